// The roads every browser engine must carry the user along, written once over a small driver
// interface that each engine's test file supplies:
//   engine.launch(language) -> browser, its navigator.language set to `language`
//   browser.open(url) -> tab, the page loaded in the browser's one tab; browser.close()
//   tab.click(id), tab.type(id, text): as a user does; tab.evaluate(fn, arg): runs fn(arg) there
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { pagePath, pageUrl } from './browser.mjs';

const results = ['produce1', 'produce2', 'produce3', 'produce4', 'Text9', 'Text10'];
const everyField = ['texta', ...[1, 2, 3, 4, 5, 6, 7, 8].flatMap((k) => [`Text${k}`, `produce${k}`]),
  'Text9', 'Text10'];

const values = (tab, ids) =>
  tab.evaluate((names) => names.map((id) => document.getElementById(id).value), ids);

// Polls `predicate` in the page until it holds; answers whether it did within `ms`. Start-up and
// a handler's end are both seen this way, the same in every engine.
async function waitFor(tab, predicate, arg, ms = 10000) {
  const end = Date.now() + ms;
  do {
    if (await tab.evaluate(predicate, arg)) return true;
    await new Promise((resolve) => setTimeout(resolve, 50));
  } while (Date.now() < end);
  return false;
}

// The page's own sign that start-up has finished: the focus on the first count button.
async function ready(tab) {
  assert.ok(await waitFor(tab, () => document.activeElement?.id === 'Option2'),
    'the page never took the focus to its first count button');
  return tab;
}

async function workedExample(tab) {
  await tab.click('Option4');
  await tab.type('texta', '30');
  for (const [i, area] of ['60', '70', '80', '90'].entries()) await tab.type(`Text${i + 1}`, area);
  await tab.click('Command1');
  await waitFor(tab, () => document.getElementById('Text10').value !== '');
  assert.deepEqual(await values(tab, results), ['66', '77', '88', '99', '330', '90.90909']);
}

// A copy of the page whose policy forbids compiling WebAssembly, as an engine that does not know
// 'wasm-unsafe-eval' reads it. Removed again by `remove`.
function pageWithoutWebAssembly() {
  const page = readFileSync(pagePath, 'utf8');
  assert.ok(page.includes(" 'wasm-unsafe-eval'"), 'the page no longer asks for WebAssembly');
  const folder = mkdtempSync(path.join(os.tmpdir(), 'quotara-'));
  const copy = path.join(folder, 'quotara.html');
  writeFileSync(copy, page.replace(" 'wasm-unsafe-eval'", ''));
  return { url: pathToFileURL(copy).href, remove: () => rmSync(folder, { recursive: true }) };
}

export function walkScenarios(engine) {
  describe(engine.name, () => {
    let browser;
    before(async () => {
      browser = await engine.launch('zh-CN');
    });
    after(() => browser?.close());

    test('4 households, 30, 60 70 80 90 give 66 77 88 99, 330, 90.90909; Clear empties all',
      async () => {
        const tab = await ready(await browser.open(pageUrl));
        await workedExample(tab);
        await tab.click('Command2');
        assert.deepEqual(await values(tab, everyField), Array(everyField.length).fill(''));
      });

    test('计算 without a core area warns 请输入数字！！, then the focus is in that entry',
      async () => {
        const tab = await ready(await browser.open(pageUrl));
        await tab.click('Option4');
        await tab.click('Command1');
        assert.ok(await waitFor(tab, () => document.getElementById('message').open),
          'no message box');
        assert.equal(await tab.evaluate(() => document.getElementById('messageText').textContent),
          '请输入数字！！');
        await tab.click('messageOk');
        assert.ok(await waitFor(tab, () => document.activeElement?.id === 'texta', null, 3000),
          `the focus is on #${await tab.evaluate(() => document.activeElement?.id)}`);
        assert.equal(await tab.evaluate(() => document.getElementById('message').open), false);
        assert.deepEqual(await values(tab, results), ['', '', '', '', '', '']);
      });

    test('where WebAssembly may not run, the page says so in place of the window', async () => {
      const copy = pageWithoutWebAssembly();
      try {
        const tab = await browser.open(copy.url);
        await waitFor(tab, () => document.getElementById('startupFailure') !== null);
        const seen = await tab.evaluate(() => {
          const shown = (e) => e !== null && e.getClientRects().length > 0
            && getComputedStyle(e).visibility !== 'hidden';
          const alert = document.getElementById('startupFailure');
          return {
            role: alert?.getAttribute('role'),
            text: alert?.textContent.trim(),
            alertShown: shown(alert),
            formShown: shown(document.getElementById('Form1')),
          };
        });
        const { text, ...rest } = seen;
        assert.match(text ?? '', /^此浏览器无法运行本页面/);
        assert.deepEqual(rest, { role: 'alert', alertShown: true, formShown: false });
      } finally {
        copy.remove();
      }
    });
  });

  // WebKitGTK reports `C` under the C locale; Intl rejects it as a language tag.
  test(`${engine.name} with the browser language C: the page starts and computes`, async () => {
    const browser = await engine.launch('C');
    try {
      const tab = await browser.open(pageUrl);
      assert.equal(await tab.evaluate(() => navigator.language), 'C');
      await ready(tab);
      await workedExample(tab);
    } finally {
      await browser.close();
    }
  });
}
