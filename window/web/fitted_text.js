// The page's side of fitting a result's text to its field (fitted_text.cpp).
mergeInto(LibraryManager.library, {
  // Refits the field on the user's typing and on every resize of the page. Not while a handler
  // runs or waits for its box: a call into the program then would run beside the suspended one
  // and corrupt its stack. A refit held back so is done as the handler ends.
  quotara_follow_text__deps: ['$quotaraFields'],
  quotara_follow_text: function (field) {
    const refit = () => {
      if (Module.handlerRunning) {
        Module.refitsHeldBack = (Module.refitsHeldBack || new Set()).add(field);
      } else {
        Module._quotara_refit_text(field);
      }
    };
    quotaraFields[field].addEventListener('input', refit);
    addEventListener('resize', refit);
  },

  // Sets the field back to its designed size. Answers 0 where its text fits so, an empty one
  // without laying the page out to ask; else 1, with the room and the designed size in pixels
  // at `room` and `designed`.
  quotara_unfit_text__deps: ['$quotaraField'],
  quotara_unfit_text: function (field, room, designed) {
    const box = quotaraField(field, 'text');
    if (!box) return 0;
    if (box.style.fontSize) box.style.removeProperty('font-size');
    if (box.value.length === 0 || box.scrollWidth <= box.clientWidth) return 0;
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
