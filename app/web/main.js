// The page's side of main.cpp: the decimal separator, the clicks bound one handler at a time,
// Enter and printing guarded, and the mark that the page has started.
mergeInto(LibraryManager.library, {
  // The decimal separator of the browser's language, as the desktop program takes the system's;
  // the point where the language is no tag Intl knows, such as "C" (WebKitGTK under the C
  // locale). Asked once: the first use of Intl loads locale data, tens of milliseconds.
  quotara_decimal_separator: function () {
    if (Module.decimalSeparator === undefined) {
      Module.decimalSeparator = 46;
      try {
        const [language] = Intl.getCanonicalLocales(navigator.language);
        const parts = new Intl.NumberFormat(language).formatToParts(1.5);
        const separator = parts.find((part) => part.type === 'decimal');
        if (language && separator && separator.value.length === 1) {
          Module.decimalSeparator = separator.value.charCodeAt(0);
        }
      } catch (error) {
        // Not a language Intl knows: the point.
      }
    }
    return Module.decimalSeparator;
  },

  // Asks for it once the page has opened, not while it opens.
  quotara_learn_decimal_separator_soon__deps: ['quotara_decimal_separator'],
  quotara_learn_decimal_separator_soon: function () {
    setTimeout(() => _quotara_decimal_separator(), 0);
  },

  // Then, in a task of its own, the rehearsal of a first 计算 (rehearsal.h). Not while a handler
  // waits for its box, which a call into the program would corrupt: a click has come first then,
  // and compiled most of what the rehearsal would.
  quotara_rehearse_soon: function () {
    setTimeout(() => {
      if (!Module.handlerRunning) Module._quotara_rehearse();
    }, 0);
  },

  // A click on the control runs `index` through the exported function `handler`, one handler at
  // a time: while a handler runs or waits for its message box, a bound click is dropped, as the
  // desktop's modal box drops it. The dialog alone cannot tell: it closes some milliseconds
  // before the waiting handler goes on, and a second handler started in that gap corrupts the
  // first one's suspended stack. Dropping cancels the default too, so that no count button ends
  // up chosen without its handler. The second click of a double click is dropped as well: 确定
  // lies over 计算, and a double click on it must not press 计算 once the box has gone.
  quotara_bind_click: function (control, handler, index) {
    const run = UTF8ToString(handler);
    document.getElementById(UTF8ToString(control)).addEventListener('click', (event) => {
      if (Module.handlerRunning || event.detail > 1) {
        event.preventDefault();
        return;
      }
      Module.handlerRunning = true;
      ccall(run, null, ['number'], [index], { async: true });
    });
  },

  // The last thing quotara_click and quotara_sheet do, suspended on the way or not: the refits
  // held back while the handler ran (fitted_text.js), of the fields it wrote and of any the user
  // typed into or a resize changed, are done now, all in one go.
  quotara_handler_finished: function () {
    Module.handlerRunning = false;
    const held = Module.refitsHeldBack;
    Module.refitsHeldBack = 0;
    if (held) Module._quotara_refit_texts(held);
  },

  // Neither command button is a default button: Enter on a focused button presses nothing.
  // (Escape presses nothing on the page anyway; in the message box it closes the box.) Enter in
  // an entry is left alone: an input method uses it to commit Chinese text.
  quotara_guard_enter: function () {
    document.addEventListener(
      'keydown',
      (event) => {
        if (
          event.key === 'Enter' &&
          event.target instanceof HTMLButtonElement &&
          !event.target.closest('dialog')
        ) {
          event.preventDefault();
        }
      },
      true,
    );
  },

  // A print shows the calculation sheet, never the window (the print style sheet). One the page
  // did not start, from the browser's menu, cannot wait for a box: the sheet is made as the
  // entries stand, a note in place of a warning. While a handler waits for its box no other may
  // run, and the note says to close the box first. Ctrl+P goes the way of 打印计算表, warning and
  // all.
  quotara_guard_print: function (section, button) {
    const sectionId = UTF8ToString(section);
    const buttonId = UTF8ToString(button);
    addEventListener('beforeprint', () => {
      if (!Module.handlerRunning) {
        ccall('quotara_prepare_print', null, [], []);
      } else if (!Module.printingSheet) {
        const note = document.createElement('p');
        note.textContent = '请先关闭页面上的提示框，再打印计算表。';
        document.getElementById(sectionId).replaceChildren(note);
      }
    });
    document.addEventListener(
      'keydown',
      (event) => {
        if (
          (event.ctrlKey || event.metaKey) &&
          !event.altKey &&
          !event.shiftKey &&
          event.key.toLowerCase() === 'p'
        ) {
          event.preventDefault();
          document.getElementById(buttonId).click();
        }
      },
      true,
    );
  },

  // For start.js: the page takes input. Without this mark it says that this browser cannot run
  // it. The page's guard (guard.js) lets the clicks through from now on.
  quotara_mark_started: function () {
    Module.started = true;
    quotaraBound();
  },
});
