// The page in Chromium when the user is quicker than the page, or the browser lacks what the page
// needs: one handler at a time, and a start that either works or says why not.
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { pagePath } from './browser.mjs';
import { chooseAndFill, dialogOpen, openPage, session, values } from './harness.mjs';

const workedExample = async (page) => {
  await chooseAndFill(page, 4, '30', ['60', '70', '80', '90']);
  await page.click('#Command1');
  return values(page, ['produce1', 'produce2', 'produce3', 'produce4', 'Text9', 'Text10']);
};
const workedResults = ['66', '77', '88', '99', '330', '90.90909'];
// Where a handler puts the focus once it goes on after its warning.
const focusOn = (page, id) => page.waitForFunction((name) => document.activeElement?.id === name,
  id, { timeout: 3000 });

test('clicks while a warning is open or closing are dropped, a thousand times over', () =>
  session(async (page) => {
    await page.click('#Command1');
    // 确定 and 计算 in one task: the second click comes before the warning has finished closing.
    await page.evaluate(() => {
      document.getElementById('messageOk').click();
      document.getElementById('Command1').click();
    });
    await focusOn(page, 'texta');
    assert.equal(await dialogOpen(page), false);

    await page.fill('#texta', 'x');
    const outcome = await page.evaluate(async () => {
      const $ = (id) => document.getElementById(id);
      let opened = 0;
      new MutationObserver((changes) => {
        opened += changes.filter((change) => change.oldValue === null).length;
      }).observe($('message'), { attributeFilter: ['open'], attributeOldValue: true });
      const clickAll = () => ['Command1', 'Command2', 'Option3'].forEach((id) => $(id).click());
      const faults = [];
      for (let i = 0; i < 1000; ++i) {
        $('Command1').click();
        clickAll(); // while the warning is open
        const closed = new Promise((resolve) => $('message').addEventListener('close', resolve,
          { once: true }));
        $('messageOk').click();
        clickAll(); // after 确定, before the box has closed
        await closed;
        await new Promise((resolve) => setTimeout(resolve, 0));
        const state = [$('message').open, document.activeElement.id, $('Option3').checked,
          $('texta').value].join(' ');
        if (state !== 'false texta false x') faults.push(`cycle ${i}: ${state}`);
      }
      return { faults: faults.slice(0, 3), opened };
    });
    assert.deepEqual(outcome, { faults: [], opened: 1000 });
    assert.deepEqual(await workedExample(page), workedResults);
  }));

test('a double click on 确定 closes the warning without pressing 计算 beneath it', () =>
  session(async (page) => {
    await chooseAndFill(page, 2, '', ['60', '70']);
    await page.click('#Command1');
    // As people double-click: the second click comes once the box has gone.
    const ok = await page.locator('#messageOk').boundingBox();
    await page.mouse.move(ok.x + ok.width / 2, ok.y + ok.height / 2);
    await page.mouse.down();
    await page.mouse.up();
    await focusOn(page, 'texta');
    await page.mouse.down({ clickCount: 2 });
    await page.mouse.up({ clickCount: 2 });
    await page.waitForTimeout(200);
    assert.equal(await dialogOpen(page), false);
  }));

test('a warning about a failed field operation waits like any other', () =>
  session(async (page) => {
    const fault = '操作未能完成：控件 produce2 的“写入文字”操作失败。已输入的内容都保留着，可以继续使用。';
    await chooseAndFill(page, 2, '30', ['60', '70']);
    await page.evaluate(() => document.getElementById('produce2').remove());
    await page.click('#Command1');
    assert.equal(await page.textContent('#messageText'), fault);
    // Clear, clicked by a script while the box is open, does not run.
    await page.evaluate(() => document.getElementById('Command2').click());
    assert.deepEqual(await values(page, ['texta', 'Text1', 'produce1']), ['30', '60', '73.84615']);
    await page.click('#messageOk');
    await page.waitForFunction(() => !document.getElementById('message').open);
    // Clicked by the user, it empties the fields up to the one that is gone and says so.
    await page.click('#Command2');
    assert.equal(await page.textContent('#messageText'), fault);
    await page.click('#messageOk');
    assert.deepEqual(await values(page, ['texta', 'Text1', 'produce1']), ['30', '', '']);
  }));

// Opens the page with `script` run before the page's own.
async function reopenWith(s, script, url) {
  await s.context.addInitScript(script);
  await (url ? s.page.goto(url) : s.page.reload());
}

test('with the browser\u2019s language given as C, the page starts and takes the point', () =>
  session(async (page, s) => {
    await reopenWith(s, () => Object.defineProperty(Navigator.prototype, 'language',
      { get: () => 'C' }));
    await page.waitForFunction(() => document.activeElement?.id === 'Option2');
    await chooseAndFill(page, 2, '1.5', ['1', '2']);
    await page.click('#Command1');
    assert.deepEqual(await values(page, ['produce1', 'produce2', 'Text9']), ['1.5', '3', '4.5']);
  }));

test('a browser that cannot run the page is told so, and which browsers can', async () => {
  // The policy without 'wasm-unsafe-eval' is what browsers before it see: no WebAssembly.
  const policyPage = path.join(tmpdir(), 'quotara-without-wasm-policy.html');
  writeFileSync(policyPage, readFileSync(pagePath, 'utf8').replace(" 'wasm-unsafe-eval'", ''));
  const browsers = {
    'no WebAssembly': [() => { delete window.WebAssembly; }],
    'no <dialog>': [() => { delete window.HTMLDialogElement; }],
    'a failure while starting': [() => {
      HTMLElement.prototype.focus = () => { throw new Error('focus refused'); };
    }],
    'no WebAssembly under the policy': [() => {}, pathToFileURL(policyPage).href],
  };
  for (const [name, [script, url]] of Object.entries(browsers)) {
    const s = await openPage();
    try {
      await reopenWith(s, script, url);
      const failure = s.page.locator('#startupFailure[role=alert]');
      await failure.waitFor({ timeout: 5000 });
      assert.match(await failure.textContent(), /^此浏览器无法运行本页面/, name);
      assert.equal(await s.page.isVisible('#Form1'), false, name);
    } finally {
      await s.close();
    }
  }
});
