// node inline_page.mjs <shell.html> <guard.js> <compile.js> <quotara.wasm> <quotara.js>
//   <write_markup.js> <banner.gif> <icon.png> <output.html>
// Puts the window's markup (title, style rules and elements, printed by write_markup.js), the
// guard that holds clicks back until the program has bound them, the WebAssembly as base64 in
// the script that compiles it from the head, and the program's loader into the page, and the
// hashes of the page's three scripts and one style sheet into its Content-Security-Policy, so
// that nothing else can run or be styled from markup. The images go in as data: URIs outside
// what is hashed: the icon in <link rel=icon>, the banner in the window's <img>.
// Emscripten's own HTML output is not used: its minifier fails in Debian's package.
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';

const [shellPath, guardPath, compilePath, wasmPath, scriptPath, markupPath, bannerPath, iconPath,
  outputPath] = process.argv.slice(2);
const markup = (part) => execFileSync(process.execPath, [markupPath, part], { encoding: 'utf8' });
const shell = readFileSync(shellPath, 'utf8').replace('@WINDOW_STYLE@', () => markup('style'));
const guard = readFileSync(guardPath, 'utf8');
const compile = readFileSync(compilePath, 'utf8')
  .replace('@WASM@', () => readFileSync(wasmPath).toString('base64'));
const script = readFileSync(scriptPath, 'utf8');

// Inside <script>, these would end the element early or change how the parser reads it.
for (const [path, text] of [[guardPath, guard], [compilePath, compile], [scriptPath, script]]) {
  if (/<\/script|<!--/i.test(text)) {
    console.error(`${path}: holds text that cannot stand inside <script>`);
    process.exit(1);
  }
}
const style = shell.match(/<style>([\s\S]*?)<\/style>/)[1];
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
const dataUri = (type, file) => `data:${type};base64,${readFileSync(file).toString('base64')}`;

const page = shell
  .replace('@GUARD_HASH@', () => hash(guard))
  .replace('@COMPILE_HASH@', () => hash(compile))
  .replace('@SCRIPT_HASH@', () => hash(script))
  .replace('@STYLE_HASH@', () => hash(style))
  .replace('@ICON@', () => dataUri('image/png', iconPath))
  .replace('@TITLE@', () => markup('title'))
  .replace('@WINDOW@', () => markup('body').replace('@BANNER@', dataUri('image/gif', bannerPath)))
  .replace('@GUARD@', () => guard)
  .replace('@COMPILE@', () => compile)
  .replace('@SCRIPT@', () => script);
writeFileSync(outputPath, page);
