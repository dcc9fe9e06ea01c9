// node inline_page.mjs <shell.html> <quotara.js> <banner.gif> <icon.png> <output.html>
// Puts the compiled program (its WebAssembly already inside the script) into the page, and the
// hashes of the page's one script and one style sheet into its Content-Security-Policy, so that
// nothing else can run or be styled from markup. The images go in as data: URIs outside what is
// hashed: the icon in <link rel=icon>, the banner in <body data-banner> for the page builder.
// Emscripten's own HTML output is not used: its minifier fails in Debian's package.
import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';

const [shellPath, scriptPath, bannerPath, iconPath, outputPath] = process.argv.slice(2);
const shell = readFileSync(shellPath, 'utf8');
const script = readFileSync(scriptPath, 'utf8');

// Inside <script>, these would end the element early or change how the parser reads it.
if (/<\/script|<!--/i.test(script)) {
  console.error(`${scriptPath}: holds text that cannot stand inside <script>`);
  process.exit(1);
}
const style = shell.match(/<style>([\s\S]*?)<\/style>/)[1];
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
const dataUri = (type, file) => `data:${type};base64,${readFileSync(file).toString('base64')}`;

const page = shell
  .replace('@SCRIPT_HASH@', () => hash(script))
  .replace('@STYLE_HASH@', () => hash(style))
  .replace('@ICON@', () => dataUri('image/png', iconPath))
  .replace('@BANNER@', () => dataUri('image/gif', bannerPath))
  .replace('@SCRIPT@', () => script);
writeFileSync(outputPath, page);
