// Runs in the head, before the window is parsed: starts compiling the program's WebAssembly,
// which the browser does on a thread of its own while it parses, styles and lays out the window.
// start.js instantiates the module once the program's script has loaded. Where the browser has
// no WebAssembly, or the page's policy refuses it, start.js says so. Plain old syntax, as
// start.js.
(function () {
  if (typeof WebAssembly !== 'object') return;
  var text = '@WASM@';
  var bytes;
  try {
    if (typeof Uint8Array.fromBase64 === 'function') {
      bytes = Uint8Array.fromBase64(text);
    } else {
      var binary = atob(text);
      bytes = new Uint8Array(binary.length);
      for (var i = 0; i < binary.length; ++i) bytes[i] = binary.charCodeAt(i);
    }
    window.quotaraModule = WebAssembly.compile(bytes);
  } catch (error) {
    window.quotaraModule = Promise.reject(error);
  }
  // Handled by start.js; until then not an unhandled rejection in the console.
  window.quotaraModule.catch(function () {});
})();
