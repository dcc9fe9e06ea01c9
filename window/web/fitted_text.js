// The page's side of fitting a result's text to its field (fitted_text.cpp). Fields go to the
// program as a mask, bit n for field n.
mergeInto(LibraryManager.library, {
  // Refits a field on the user's typing, and all of them together on every resize of the page.
  // Not while a handler runs or waits for its box: a call into the program then would run beside
  // the suspended one and corrupt its stack. A refit held back so is done as the handler ends.
  quotara_follow_texts__deps: ['$quotaraFields'],
  quotara_follow_texts: function (fields) {
    const refit = (mask) => {
      if (Module.handlerRunning) {
        Module.refitsHeldBack = (Module.refitsHeldBack || 0) | mask;
      } else {
        Module._quotara_refit_texts(mask);
      }
    };
    quotaraFields.forEach((element, field) => {
      if (fields & (1 << field)) element.addEventListener('input', () => refit(1 << field));
    });
    addEventListener('resize', () => refit(fields));
  },

  // Held back for the end of the handler that wrote the field (main.js,
  // quotara_handler_finished).
  quotara_refit_later: function (field) {
    Module.refitsHeldBack = (Module.refitsHeldBack || 0) | (1 << field);
  },

  // Sets the field back to its designed size; lays nothing out.
  quotara_unfit_text__deps: ['$quotaraField'],
  quotara_unfit_text: function (field) {
    const box = quotaraField(field, 'text');
    if (box && box.style.fontSize) box.style.removeProperty('font-size');
  },

  // Answers 0 where the text fits the field at the size it has, an empty one without laying the
  // page out to ask; else 1, with the room and the designed size in pixels at `room` and
  // `designed`.
  quotara_text_overflows__deps: ['$quotaraField'],
  quotara_text_overflows: function (field, room, designed) {
    const box = quotaraField(field, 'text');
    if (!box || box.value.length === 0 || box.scrollWidth <= box.clientWidth) return 0;
    HEAPF64[room >> 3] = box.clientWidth;
    HEAPF64[designed >> 3] = parseFloat(getComputedStyle(box).fontSize);
    return 1;
  },

  // The text's width at the font size given in CSS, which stays set.
  quotara_text_width_at__deps: ['$quotaraField'],
  quotara_text_width_at: function (field, size) {
    const box = quotaraField(field, 'text');
    box.style.fontSize = UTF8ToString(size);
    return box.scrollWidth;
  },
});
