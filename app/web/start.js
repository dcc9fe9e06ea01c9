// Runs the program once the page's script has loaded. Where it cannot run (no WebAssembly, or
// none allowed under the page's policy; no <dialog>), or fails before it takes input, the page
// says so in place of the window: a window that looks right and does nothing helps no one.
// Plain old syntax, so that old engines get this far.
(function () {
  function showStartupFailure(reason) {
    if (reason) console.error(reason);
    var body = document.body;
    while (body.firstChild) body.removeChild(body.firstChild);
    var failure = document.createElement('div');
    failure.id = 'startupFailure';
    failure.setAttribute('role', 'alert');
    var lines = [
      '此浏览器无法运行本页面。',
      '请用以下浏览器打开：Chrome 或 Edge 97 及以上版本，Firefox 102 及以上版本，' +
        'Safari 16 及以上版本（iPhone 和 iPad：iOS 16 及以上）。',
      'iPhone 和 iPad 开启了“锁定模式”时，请为本页面关闭锁定模式。',
    ];
    for (var i = 0; i < lines.length; ++i) {
      var line = document.createElement('p');
      line.textContent = lines[i];
      failure.appendChild(line);
    }
    body.appendChild(failure);
  }

  if (
    typeof WebAssembly !== 'object' ||
    typeof window.quotaraModule !== 'object' ||
    typeof HTMLDialogElement !== 'function' ||
    typeof HTMLDialogElement.prototype.showModal !== 'function'
  ) {
    showStartupFailure();
    return;
  }
  var stopped;
  try {
    Quotara({
      // The module compile.js has been compiling since the head.
      instantiateWasm: function (imports, receive) {
        window.quotaraModule
          .then(function (module) {
            return WebAssembly.instantiate(module, imports);
          })
          .then(function (instance) {
            receive(instance);
          })
          .catch(showStartupFailure);
        return {};
      },
      // Told the exception main() stopped at, which the loader would otherwise keep to itself.
      quit: function (status, thrown) {
        if (status !== 0) stopped = thrown;
        throw thrown;
      },
    }).then(function (module) {
      // The promise settles just before main() runs, in the same task; this runs after it.
      if (!module.started) showStartupFailure(stopped);
    }, showStartupFailure);
  } catch (error) {
    showStartupFailure(error);
  }
})();
