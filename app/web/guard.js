// Runs before the window is parsed. Plain old syntax, as start.js.
//
// The style sheet names for 宋体 and 黑体 only the faces of the platform marked on the root
// (page_markup.cpp writes a list for each of these values): the browser would ask the system for
// every face of the full list in turn until one is found, each a round trip before the first
// paint. An unknown platform keeps the full list.
(function () {
  var data = navigator.userAgentData;
  var name = (data && data.platform) || navigator.platform || '';
  var platform = /^Win/.test(name)
    ? 'windows'
    : /^(Mac|iP|iOS)/i.test(name)
      ? 'apple'
      : /^(Linux|Android|Chrom)|BSD/.test(name)
        ? 'other'
        : '';
  if (platform) document.documentElement.setAttribute('data-platform', platform);
})();

// Until the program has bound the window's clicks, a click on the window or the sheet's buttons
// does nothing, and so do the keys that would choose a count button or press a button: no count
// button is chosen without its handler having run, and 计算 and 清除 do not wait to run later,
// when the user may have gone on. Typing and Tab go through: they leave nothing for a handler to
// catch up on.
(function () {
  var bound = false;
  function held(event) {
    var target = event.target;
    return !bound && target.closest && target.closest('#Form1, #sheetButtons') !== null;
  }
  addEventListener(
    'click',
    function (event) {
      if (held(event)) {
        event.preventDefault();
        event.stopPropagation();
      }
    },
    true
  );
  addEventListener(
    'keydown',
    function (event) {
      if (held(event) && event.target.type !== 'text' && event.key !== 'Tab')
        event.preventDefault();
    },
    true
  );
  // Called by the program once every click is bound.
  window.quotaraBound = function () {
    bound = true;
  };
})();
