// node inline_page.mjs <shell.html> <quotara.js> <output.html>
// Puts the compiled program (its WebAssembly already inside the script) into the page, and the
// hashes of the page's one script and one style sheet into its Content-Security-Policy, so that
// nothing else can run or be styled from markup. Emscripten's own HTML output is not used: its
// minifier fails in Debian's package.
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';

const [shellPath, scriptPath, outputPath] = process.argv.slice(2);
const shell = readFileSync(shellPath, 'utf8');
const script = readFileSync(scriptPath, 'utf8');

// Inside <script>, these would end the element early or change how the parser reads it.
if (/<\/script|<!--/i.test(script)) {
  console.error(`${scriptPath}: holds text that cannot stand inside <script>`);
  process.exit(1);
}
const style = shell.match(/<style>([\s\S]*?)<\/style>/)[1];
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;

const page = shell
  .replace('@SCRIPT_HASH@', () => hash(script))
  .replace('@STYLE_HASH@', () => hash(style))
  .replace('@SCRIPT@', () => script);
writeFileSync(outputPath, page);
