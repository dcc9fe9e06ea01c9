// The WebAssembly is inside this script. Emscripten's loader would still ask fetch() for it as a
// data: URL, which the page's Content-Security-Policy refuses (connect-src 'none') with a
// console error. With no fetch in sight the loader decodes it in place, and the page makes no
// request at all.
var fetch;

// The loader turns the embedded base64 into bytes one character at a time, which as the page
// opens takes longer than compiling the WebAssembly. Where the browser has a decoder of its own,
// it replaces the loader's function of that name.
if (typeof Uint8Array.fromBase64 === 'function') {
  intArrayFromBase64 = (text) => Uint8Array.fromBase64(text);
}
