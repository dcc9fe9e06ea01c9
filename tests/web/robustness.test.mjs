// The page in Chromium when the user is quicker than the page, or the browser lacks what the page
// needs: one handler at a time, and a start that either works or says why not.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { chooseAndFill, dialogOpen, openPage, session, values } from './harness.mjs';

const focusOn = (page, id) => page.waitForFunction((name) => document.activeElement?.id === name,
  id, { timeout: 3000 });

test('clicks while a warning is open or closing, or on 确定 twice, start no handler', () =>
  session(async (page) => {
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
        if (!$('message').open) return { faults: [`${i}: no warning`], opened };
        clickAll(); // while the warning is open
        const closed = new Promise((resolve) => $('message').addEventListener('close', resolve));
        $('messageOk').click();
        clickAll(); // in the same task as 确定, before the box has closed
        await closed;
        await new Promise((resolve) => setTimeout(resolve, 0));
        const state = `${$('message').open} ${document.activeElement.id} ${$('Option3').checked}`;
        if (state !== 'false texta false' || $('texta').value !== 'x') faults.push(`${i}: ${state}`);
      }
      return { faults: faults.slice(0, 3), opened };
    });
    assert.deepEqual(outcome, { faults: [], opened: 1000 });

    // A double click on 确定, as people make one: the second click comes once the box has gone
    // and lands on 计算 beneath it.
    await page.click('#Command1');
    const ok = await page.locator('#messageOk').boundingBox();
    await page.mouse.move(ok.x + ok.width / 2, ok.y + ok.height / 2);
    await page.mouse.down();
    await page.mouse.up();
    await focusOn(page, 'texta');
    await page.mouse.down({ clickCount: 2 });
    await page.mouse.up({ clickCount: 2 });
    await page.waitForTimeout(200);
    assert.equal(await dialogOpen(page), false);

    await chooseAndFill(page, 4, '30', ['60', '70', '80', '90']);
    await page.click('#Command1');
    assert.deepEqual(await values(page, ['produce1', 'produce2', 'produce3', 'produce4', 'Text9',
      'Text10']), ['66', '77', '88', '99', '330', '90.90909']);
  }));

test('a warning about a failed field operation waits like any other', () =>
  session(async (page) => {
    await chooseAndFill(page, 2, '30', ['60', '70']);
    await page.evaluate(() => document.getElementById('produce2').remove());
    await page.click('#Command1');
    assert.match(await page.textContent('#messageText'), /^操作未能完成：控件 produce2 的“写入文字”/);
    await page.evaluate(() => document.getElementById('Command2').click()); // dropped
    await page.click('#messageOk');
    await focusOn(page, 'Command1');
    assert.deepEqual(await values(page, ['texta', 'Text1', 'produce1']), ['30', '60', '73.84615']);
  }));

test('before the program has bound it, the window stands in its final layout and takes no click',
  () => session(async (page, s) => {
    // The program's WebAssembly waits until the test lets it go.
    await s.context.addInitScript(() => {
      const instantiate = WebAssembly.instantiate;
      const released = new Promise((resolve) => { window.releaseProgram = resolve; });
      WebAssembly.instantiate = (...args) => released.then(() => instantiate(...args));
    });
    await page.reload();
    const look = () => page.evaluate(() => [...document.querySelectorAll('#Form1 *, #sheetButtons *')]
      .map((e) => `${e.id} ${JSON.stringify(e.getBoundingClientRect())} ${e.disabled}`
        + ` ${e.checked} ${getComputedStyle(e).font}`));
    const unbound = await look();
    assert.equal(await page.evaluate(() => typeof window.releaseProgram), 'function');

    await page.click('#Option4');
    await page.focus('#Option3');
    for (const key of ['ArrowRight', 'Space', 'ArrowLeft']) await page.keyboard.press(key);
    await page.fill('#texta', '30'); // typing goes through
    for (const id of ['Command1', 'Command2', 'copySheet']) await page.click(`#${id}`);
    await page.keyboard.press('Enter');
    assert.deepEqual(await look(), unbound);
    assert.equal(await dialogOpen(page), false);

    await page.evaluate(() => window.releaseProgram());
    await focusOn(page, 'Option2');
    // Nothing clicked before ran now: no box, 清除 left the entry, no count chosen.
    assert.equal(await dialogOpen(page), false);
    assert.equal(await page.inputValue('#texta'), '30');
    assert.deepEqual(await look(), unbound);

    await chooseAndFill(page, 4, '30', ['60', '70', '80', '90']);
    assert.equal(await page.isDisabled('#Text5'), true); // the count button's handler ran
    await page.click('#Command1');
    assert.deepEqual(await values(page, ['produce4', 'Text9', 'Text10']), ['99', '330', '90.90909']);
  }));

test('the first 计算 rehearsed as the page opens leaves the page as it opened', () =>
  session(async (page) => {
    // Timers fire in the order they were set: the rehearsal's, set at start, has fired first.
    await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 0)));
    assert.deepEqual(await page.evaluate(() => ({
      texts: [...document.querySelectorAll('#Form1 input[type=text]')].map((e) => e.value).join(''),
      chosen: document.querySelectorAll('#Form1 input:checked').length,
      closed: [...document.querySelectorAll('#Form1 input:disabled')].map((e) => e.id).join(),
      focus: document.activeElement.id,
      heard: document.querySelector('[aria-live]').textContent,
      box: document.getElementById('message').open,
    })), { texts: '', chosen: 0, closed: 'Text1,Text2,Text3,Text4,Text5,Text6,Text7,Text8',
      focus: 'Option2', heard: '', box: false });
    await chooseAndFill(page, 4, '30', ['60', '70', '80', '90']);
    await page.click('#Command1');
    assert.deepEqual(await values(page, ['produce1', 'produce2', 'produce3', 'produce4', 'Text9',
      'Text10']), ['66', '77', '88', '99', '330', '90.90909']);
  }));

// Each browser as an init script run before the page's own.
const browsers = {
  'language C': () => Object.defineProperty(Navigator.prototype, 'language', { get: () => 'C' }),
  'no WebAssembly': () => { delete window.WebAssembly; },
  'no <dialog>': () => { delete window.HTMLDialogElement; },
  'a failure at start': () => { HTMLElement.prototype.focus = () => { throw new Error('no'); }; },
};

test('a browser that cannot run the page is told so; one whose language is C runs it', async () => {
  for (const [name, script] of Object.entries(browsers)) {
    const s = await openPage();
    try {
      await s.context.addInitScript(script);
      await s.page.reload();
      await s.page.waitForSelector('#startupFailure, #Form1 :focus');
      if (name === 'language C') {
        await chooseAndFill(s.page, 2, '1.5', ['1', '2']);
        await s.page.click('#Command1');
        assert.deepEqual(await values(s.page, ['produce1', 'Text9']), ['1.5', '4.5'], name);
        continue;
      }
      const failure = s.page.locator('#startupFailure[role=alert]');
      assert.match(await failure.textContent(), /^此浏览器无法运行本页面/, name);
      assert.equal(await s.page.isVisible('#Form1'), false, name);
    } finally {
      await s.close();
    }
  }
});

// Each platform's browser as an init script (its navigator.userAgentData and navigator.platform),
// with the faces of 宋体 and 黑体 the window's text must be given there. One that tells no
// platform, like a page without script, is given every platform's.
const windowsFaces = [['宋体', 'SimSun'], ['黑体', 'SimHei', 'Microsoft YaHei']];
const appleFaces = [['Songti SC', 'STSong'], ['Heiti SC', 'STHeiti']];
const otherFaces = [['Noto Serif CJK SC', 'Source Han Serif SC', 'AR PL UMing CN'],
  ['Noto Sans Mono CJK SC', 'Noto Sans CJK SC', 'Source Han Sans SC', 'WenQuanYi Zen Hei']];
const platforms = {
  Linux: [{ platform: 'Linux' }, 'Linux x86_64', otherFaces],
  'Windows, told by userAgentData': [{ platform: 'Windows' }, 'Linux x86_64', windowsFaces],
  'macOS, told by navigator.platform alone': [undefined, 'MacIntel', appleFaces],
  unknown: [undefined, 'Plan 9', [
    [...windowsFaces[0], ...appleFaces[0], ...otherFaces[0]],
    [windowsFaces[1][0], windowsFaces[1][1], ...appleFaces[1], ...otherFaces[1], windowsFaces[1][2]],
  ]],
};

test('each platform\u2019s browser is given the faces that platform has, and the window computes',
  async () => {
    for (const [name, [userAgentData, platform, [song, hei]]] of Object.entries(platforms)) {
      const s = await openPage();
      try {
        await s.context.addInitScript(([data, text]) => {
          Object.defineProperty(Navigator.prototype, 'userAgentData', { get: () => data });
          Object.defineProperty(Navigator.prototype, 'platform', { get: () => text });
        }, [userAgentData, platform]);
        await s.page.reload();
        await s.page.waitForFunction(() => document.activeElement?.id === 'Option2');
        // Each family list of the shown elements that hold text, with the elements given it.
        const families = await s.page.evaluate(() => {
          const given = {};
          for (const e of document.querySelectorAll('body *')) {
            const text = e.matches('input[type=text]') || [...e.childNodes]
              .some((n) => n.nodeType === Node.TEXT_NODE && n.textContent.trim() !== '');
            if (!text || e.getClientRects().length === 0) continue;
            const family = getComputedStyle(e).fontFamily.split(',')
              .map((face) => face.trim().replace(/^"(.*)"$/, '$1')).join(', ');
            (given[family] ??= []).push(e.id || e.parentElement.htmlFor);
          }
          return given;
        });
        const [songList, heiList] = [[...song, 'serif'], [...hei, 'sans-serif']]
          .map((faces) => faces.join(', '));
        assert.deepEqual(Object.keys(families).sort(), [heiList, songList].sort(), name);
        assert.deepEqual(families[heiList], ['Frame5_caption'], name);
        await chooseAndFill(s.page, 2, '30', ['60', '70']);
        await s.page.click('#Command1');
        assert.deepEqual(await values(s.page, ['produce1', 'Text9']), ['73.84615', '160'], name);
        assert.deepEqual(s.problems, [], name);
      } finally {
        await s.close();
      }
    }
  });
