// The web edition in Chromium: what the page itself does with the user's mouse, keyboard and
// clipboard. The handlers' rules behind it are the unit tests' business.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import { pageUrl } from './browser.mjs';
import {
  chooseAndFill, closeMessage, dialogOpen, focusedId, openPage, session, values,
} from './harness.mjs';

// The caption and names the web build wrote (scripts/web.sh: build-web/release.json).
const release = JSON.parse(readFileSync(process.env.QUOTARA_RELEASE
  ?? new URL('../../build-web/release.json', import.meta.url), 'utf8'));

const results = ['produce1', 'produce2', 'produce3', 'produce4', 'Text9', 'Text10'];
const entries = ['Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Text6', 'Text7', 'Text8'];

test('a warning is modal, then the focus is where the user can put the entry right', () =>
  session(async (page) => {
    await page.fill('#texta', '30');
    await page.click('#Command1');
    const box = await page.evaluate(() => {
      const dialog = document.getElementById('message');
      const icon = getComputedStyle(dialog.querySelector('.icon')).backgroundImage;
      return {
        text: document.getElementById('messageText').textContent,
        icon: dialog.dataset.icon,
        drawn: icon.startsWith('url("data:image/svg+xml'),
        buttons: [...dialog.querySelectorAll('button')].map((b) => b.textContent),
        headings: dialog.querySelectorAll('h1, h2, h3, header, [role=heading]').length,
        focused: document.activeElement.id,
      };
    });
    assert.deepEqual(box, {
      text: '请输入数字！！', icon: 'warning', drawn: true, buttons: ['确定'], headings: 0,
      focused: 'messageOk',
    });
    // Escape closes the box like its button. With no count chosen the focus goes to the count
    // buttons, choosing none.
    assert.equal(await closeMessage(page, 'Option2', 'Escape'), 'Option2');
    assert.equal(await page.isChecked('#Option2'), false);

    await chooseAndFill(page, 4, '30', ['60', '70', '8O', '90']);
    await page.click('#Command1');
    assert.equal(await dialogOpen(page), true);
    // While it is open the page takes no click, so Clear cannot run.
    await page.click('#Command2', { force: true, timeout: 2000 }).catch(() => {});
    assert.equal(await page.inputValue('#texta'), '30');
    assert.equal(await closeMessage(page, 'Text3'), 'Text3');
    assert.equal(await dialogOpen(page), false);
    assert.deepEqual(await values(page, results), ['', '', '', '', '', '']);
  }));

const entryStates = (page) => page.evaluate((ids) => ids.map((id) => {
  const box = document.getElementById(id);
  return `${box.disabled ? 'off' : 'on'} ${box.dataset.backColor} ${getComputedStyle(box).backgroundColor}`;
}), entries);
const on = 'on 0x80000005 rgb(255, 255, 255)';
const off = 'off 0x80000004 rgb(239, 239, 239)';

test('the arrow keys move the choice within the count buttons and run its handler', () =>
  session(async (page) => {
    await page.click('#Option3');
    await page.keyboard.press('ArrowRight');
    assert.equal(await page.isChecked('#Option4'), true);
    assert.deepEqual((await entryStates(page)).map((s) => s.slice(0, 3)),
      ['on ', 'on ', 'on ', 'on ', 'off', 'off', 'off', 'off']);
  }));

test('disabled entries cannot be focused or typed into', () =>
  session(async (page) => {
    await page.click('#Option2');
    await page.click('#Text5', { force: true });
    await page.keyboard.type('12');
    assert.equal(await page.inputValue('#Text5'), '');
    assert.notEqual(await page.evaluate(() => {
      document.getElementById('Text5').focus();
      return document.activeElement.id;
    }), 'Text5');
  }));

test('Clear empties all nineteen fields and keeps the count and the entries\u2019 states', () =>
  session(async (page) => {
    assert.deepEqual(await entryStates(page), Array(8).fill(off));
    await chooseAndFill(page, 8, '8', ['1', '1', '1', '1', '1', '1', '1', '1']);
    await page.click('#Command1');
    await chooseAndFill(page, 4, '30', ['60', '70', '80', '90']);
    await page.click('#Command1');
    await page.click('#Command2');
    const all = ['texta', ...entries, 'produce1', 'produce2', 'produce3', 'produce4', 'produce5',
      'produce6', 'produce7', 'produce8', 'Text9', 'Text10'];
    assert.deepEqual(await values(page, all), Array(19).fill(''));
    assert.equal(await page.isChecked('#Option4'), true);
    assert.deepEqual(await entryStates(page), entries.map((_, i) => (i < 4 ? on : off)));
    assert.equal(await focusedId(page), 'Command2');
  }));

test('Tab visits the controls in the desktop window\u2019s order, passing disabled entries', () =>
  session(async (page) => {
    const walk = async (steps) => {
      const seen = [];
      for (let i = 0; i < steps; ++i) {
        await page.keyboard.press('Tab');
        seen.push(await focusedId(page));
      }
      return seen;
    };
    assert.deepEqual(await walk(4), ['texta', 'Command1', 'Command2', 'produce1']);
    await page.click('#Option4');
    assert.deepEqual(await walk(17), ['texta', 'Command1', 'Command2', 'Text3', 'Text4',
      'Text1', 'Text2', 'produce1', 'produce3', 'produce4', 'produce5', 'produce6', 'produce7',
      'produce8', 'produce2', 'Text9', 'Text10']);
  }));

test('Enter and Escape on the page press neither button', () =>
  session(async (page) => {
    await chooseAndFill(page, 2, '30', ['60', '70']);
    for (const key of ['Enter', 'Escape']) {
      for (const button of ['#Command1', '#Command2']) {
        await page.focus(button);
        await page.keyboard.press(key);
        assert.equal(await dialogOpen(page), false);
        assert.deepEqual(await values(page, ['texta', 'produce1']), ['30', ''], key + button);
      }
    }
    await page.focus('#Command1');
    await page.keyboard.press('Space'); // a focused button is pressed with the space bar
    assert.deepEqual(await values(page, ['produce1', 'produce2']), ['73.84615', '86.15385']);
  }));

test('a megabyte pasted into an entry is kept whole and read as its number', () =>
  session(async (page) => {
    const pasted = `70.${'0'.repeat(1024 * 1024)}`;
    await chooseAndFill(page, 2, '30', ['60', '']);
    await page.evaluate(() => navigator.clipboard.writeText('')); // permission check
    await page.evaluate((text) => navigator.clipboard.writeText(text), pasted);
    await page.focus('#Text2');
    await page.keyboard.press('Control+V');
    assert.equal(await page.evaluate(() => document.getElementById('Text2').value.length),
      pasted.length);
    await page.click('#Command1');
    assert.equal(await dialogOpen(page), false);
    assert.deepEqual(await values(page, ['produce1', 'produce2', 'Text9']),
      ['73.84615', '86.15385', '160']);
  }, { permissions: ['clipboard-read', 'clipboard-write'] }));

test('with a de-DE browser, entries and results use the decimal comma', async () => {
  const run = async (locale, core, usable) => {
    let shown;
    await session(async (page) => {
      await chooseAndFill(page, 3, core, usable);
      await page.click('#Command1');
      assert.equal(await dialogOpen(page), false, locale);
      shown = await values(page, ['produce1', 'produce2', 'produce3', 'Text9', 'Text10']);
    }, { locale });
    return shown;
  };
  const english = await run('en-US', '12.5', ['33.3', '47.25', '51']);
  const german = await run('de-DE', '12,5', ['33,3', '47,25', '51']);
  assert.ok(english.some((text) => text.includes('.')));
  assert.deepEqual(german, english.map((text) => text.replace('.', ',')));

  await session(async (page) => {
    await chooseAndFill(page, 2, '1.5', ['1', '2']); // a point is no separator in German
    await page.click('#Command1');
    assert.equal(await dialogOpen(page), true);
  }, { locale: 'de-DE' });
});

test('typed markup stays text: no element, script or request comes of it', () =>
  session(async (page) => {
    const markup = '<img src=x onerror="document.title=1"><b>7</b>';
    await chooseAndFill(page, 2, markup, ['1', '2']);
    const before = await page.evaluate(() => document.querySelectorAll('*').length);
    await page.click('#Command1');
    await page.click('#messageOk');
    assert.equal(await page.inputValue('#texta'), markup);
    assert.equal(await page.evaluate(() => document.querySelectorAll('*').length), before);
    assert.equal(await page.title(), release.caption);
  }));

test('opened from a file:// URL the page asks for nothing and stores nothing', () =>
  session(async (page) => {
    assert.ok(pageUrl.startsWith('file://'));
    await chooseAndFill(page, 4, '30', ['60', '70', '80', '90']);
    await page.click('#Command1');
    await page.click('#Command2');
    const kept = await page.evaluate(() => ({
      cookie: document.cookie, local: localStorage.length, session: sessionStorage.length,
    }));
    assert.deepEqual(kept, { cookie: '', local: 0, session: 0 });
    const policy = await page.getAttribute('meta[http-equiv="Content-Security-Policy"]', 'content');
    assert.match(policy, /default-src 'none'/);
    assert.match(policy, /connect-src 'none'/);
    assert.doesNotMatch(policy, /'unsafe-eval'|'unsafe-inline'/);
  }));

test('the page\u2019s policy turns away a connection a script would try', async () => {
  const s = await openPage();
  try {
    const outcome = await s.page.evaluate(() => fetch('https://example.com/').then(
      () => 'connected', () => 'refused'));
    assert.equal(outcome, 'refused');
    assert.ok(s.problems.every((p) => p.startsWith('console:')), s.problems.join('\n'));
  } finally {
    await s.close();
  }
});

test('the title is the caption and the icon is the program\u2019s', () =>
  session(async (page) => {
    assert.equal(await page.title(), release.caption);
    const icon = await page.getAttribute('link[rel=icon]', 'href');
    assert.match(icon, /^data:image\/png;base64,iVBORw0KGgo/);
    assert.equal(await page.evaluate(() => document.getElementById('Picture1').naturalWidth), 350);
  }));
