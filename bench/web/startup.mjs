// node bench/web/startup.mjs [rounds] [page.html...]: how long the page (dist/quotara.html, or
// each page named, to compare builds) takes in Chromium to become interactive, cold (the first
// load in a fresh browser context) and warm (loaded again in it), and to run its first 计算,
// beside a floor page: the first page without its window, its program's scripts swapped for a
// trivial WebAssembly module, one entry, a button and a line in each of the page's fonts, under
// the same policy and styles. Each also at Chromium's 4× CPU throttle, as on a phone. Prints the
// medians and their ratios to the floor's. Needs scripts/web.sh and `npm ci` in tests/web, whose
// playwright-core and Chromium settings it takes.
import { createHash } from 'node:crypto';
import { mkdtempSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchOptions, pagePath } from '../../tests/web/browser.mjs';

const { chromium } = createRequire(new URL('../../tests/web/package.json', import.meta.url))(
  'playwright-core');
const rounds = Number(process.argv[2] ?? 21);
const throttles = [1, 4];
const pages = process.argv.length > 3 ? process.argv.slice(3).map((p) => path.resolve(p))
  : [pagePath];

// Runs before any script of a page: notes when the focus first reaches #Option2 (the page's sign
// that start-up has finished) and when an entry's value was last written.
function watch() {
  const focus = HTMLElement.prototype.focus;
  HTMLElement.prototype.focus = function (...options) {
    focus.apply(this, options);
    if (this.id === 'Option2') window.benchReady ??= performance.now();
  };
  const value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
  Object.defineProperty(HTMLInputElement.prototype, 'value', {
    ...value,
    set(text) {
      value.set.call(this, text);
      window.benchWritten = performance.now();
    },
  });
}

// The floor's whole program: instantiate a module embedded as base64, as the page does; build one
// entry, one button and a line in each of the page's fonts; focus the entry. The button doubles
// the entry's number.
function floorProgram(wasm, fonts) {
  const bytes = Uint8Array.from(atob(wasm), (c) => c.charCodeAt(0));
  WebAssembly.instantiate(bytes).then(({ instance }) => {
    const form = document.createElement('main');
    const entry = document.createElement('input');
    entry.id = 'Option2';
    entry.value = '45';
    entry.style.font = fonts.entry;
    const button = document.createElement('button');
    button.id = 'Command1';
    button.textContent = '计算';
    button.style.font = fonts.button;
    button.addEventListener('click', () => {
      entry.value = String(instance.exports.twice(Number(entry.value)));
    });
    const lines = fonts.all.map((font) => {
      const line = document.createElement('p');
      line.textContent = '公摊面积 0123456789';
      line.style.font = font;
      return line;
    });
    form.append(entry, button, ...lines);
    document.body.append(form);
    entry.focus();
  });
}

// (module (func (export "twice") (param f64) (result f64) local.get 0 local.get 0 f64.add))
const twice = Buffer.from([0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00,
  0x01, 0x06, 0x01, 0x60, 0x01, 0x7c, 0x01, 0x7c, 0x03, 0x02, 0x01, 0x00,
  0x07, 0x09, 0x01, 0x05, 0x74, 0x77, 0x69, 0x63, 0x65, 0x00, 0x00,
  0x0a, 0x09, 0x01, 0x07, 0x00, 0x20, 0x00, 0x20, 0x00, 0xa0, 0x0b]).toString('base64');

// The page without the window its markup carries, and its program's scripts (all but the guard,
// the head's first) swapped for the floor's, with the policy's hashes changed to match.
function writeFloor(folder, source, fonts) {
  let page = readFileSync(source, 'utf8').replace(/^<main id="Form1"[^\n]*\n/m, '');
  const [, ...program] = [...page.matchAll(/<script>((?:(?!<\/script>)[\s\S])*)<\/script>\n?/g)];
  const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
  const floor = `(${floorProgram})(${JSON.stringify(twice)}, ${JSON.stringify(fonts)});`;
  program.forEach(([element, script], i) => {
    if (!page.includes(hash(script))) throw new Error(`${source}: the policy lacks a script's hash`);
    const last = i === program.length - 1;
    page = page.replace(` ${hash(script)}`, last ? ` ${hash(floor)}` : '')
      .replace(element, () => (last ? `<script>${floor}</script>\n` : ''));
  });
  const file = path.join(folder, 'floor.html');
  writeFileSync(file, page);
  return file;
}

const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];

async function load(page, file) {
  await page.goto(pathToFileURL(file).href);
  await page.waitForFunction(() => window.benchReady !== undefined);
  return page.evaluate(() => window.benchReady);
}

// The first 计算 on a loaded page, clicked in the page itself and timed to the end of the
// layout that shows its results, with the worked example's entries (the floor has only its one
// entry).
function calculate(page) {
  return page.evaluate(() => {
    const fill = { Option4: null, texta: '30', Text1: '60', Text2: '70', Text3: '80', Text4: '90' };
    for (const [id, text] of Object.entries(fill)) {
      const element = document.getElementById(id);
      if (element && text === null) element.click();
      else if (element) element.value = text;
    }
    window.benchWritten = undefined;
    const start = performance.now();
    document.getElementById('Command1').click();
    void document.body.offsetWidth;
    // NaN, failing the run, if nothing was written
    return window.benchWritten === undefined ? NaN : performance.now() - start;
  });
}

// The page's fonts as the browser resolved them, for the floor to load the same.
async function fontsOf(open, file) {
  const { context, page } = await open();
  await load(page, file);
  const fonts = await page.evaluate(() => {
    const font = (element) => getComputedStyle(element).font;
    const leaves = [...document.querySelectorAll('#Form1 *')].filter((e) => !e.childElementCount);
    return {
      entry: font(document.getElementById('texta')),
      button: font(document.getElementById('Command1')),
      all: [...new Set(leaves.map(font))],
    };
  });
  await context.close();
  return fonts;
}

const folder = mkdtempSync(path.join(os.tmpdir(), 'quotara-bench-'));
const browser = await chromium.launch(launchOptions);
try {
  const open = async (throttle = 1) => {
    const context = await browser.newContext({ locale: 'zh-CN' });
    await context.addInitScript(watch);
    const page = await context.newPage();
    if (throttle !== 1) {
      const session = await context.newCDPSession(page);
      await session.send('Emulation.setCPUThrottlingRate', { rate: throttle });
    }
    return { context, page };
  };
  const floor = writeFloor(folder, pages[0], await fontsOf(open, pages[0]));
  const runs = throttles.flatMap((throttle) => [['floor', floor], ...pages.map((file) =>
    [path.basename(file), file])].map(([name, file]) => ({ name, file, throttle })));
  const floorOf = (run) => runs.find((r) => r.file === floor && r.throttle === run.throttle);
  for (const run of runs) run.times = { cold: [], warm: [], click: [] };
  for (let round = 0; round < rounds; ++round) {
    // A new order each round evens out what one page leaves behind for the next.
    const order = runs.map((run) => [Math.random(), run]).sort(([a], [b]) => a - b);
    for (const [, run] of order) {
      const { context, page } = await open(run.throttle);
      run.times.cold.push(await load(page, run.file));
      run.times.warm.push(await load(page, run.file));
      run.times.click.push(await calculate(page));
      await context.close();
    }
  }

  console.log(`${rounds} rounds, Chromium ${browser.version()}: median ms, ratio to the floor`);
  console.log(`${''.padEnd(34)}${'cold'.padStart(16)}${'warm'.padStart(16)}${'first 计算'.padStart(14)}`);
  for (const run of runs) {
    const base = floorOf(run);
    const cells = Object.entries(run.times).map(([key, list]) => (median(list).toFixed(1)
      + (run === base ? '' : ` ${(median(list) / median(base.times[key])).toFixed(2)}x`))
      .padStart(16));
    const size = run === base ? '' : ` ${(statSync(run.file).size / 1024).toFixed(0)} KiB`;
    const cpu = run.throttle === 1 ? '' : ` ${run.throttle}x CPU`;
    console.log(`${(run.name + size + cpu).padEnd(34)}${cells.join('')}`);
  }
} finally {
  await browser.close();
  rmSync(folder, { recursive: true });
}
