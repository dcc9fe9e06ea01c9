// The page on phones, in Chromium's phone emulation: one column that fits the screen, targets a
// thumb can hit, text a phone need not zoom into, and the keyboard's "next" key down the column.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { focusedId, session, values } from './harness.mjs';

const phone = (width, height) => ({ viewport: { width, height }, isMobile: true, hasTouch: true,
  deviceScaleFactor: 3 });

// What a phone user would trip over, one line each.
const layoutFaults = (page) => page.evaluate(() => {
  const faults = [];
  const { scrollWidth, clientWidth } = document.documentElement;
  if (scrollWidth > clientWidth) faults.push(`scrolls sideways to ${scrollWidth}`);
  for (const element of document.querySelectorAll('body *')) {
    const { left, right, width, height } = element.getBoundingClientRect();
    if (width === 0) continue; // not shown
    const name = element.id || element.querySelector('input')?.id || element.className;
    if (left < 0 || right > innerWidth) faults.push(`${name} at ${left}..${right}`);
    if (element.matches('label.option, input[type=text], button') && (width < 44 || height < 44)) {
      faults.push(`${name} is ${width} x ${height}`);
    }
    if (element.matches('input[type=text]') && (parseFloat(getComputedStyle(element).fontSize) < 16
      || element.inputMode !== 'decimal')) faults.push(`${name} text`);
  }
  return faults;
});

for (const [width, height] of [[320, 568], [360, 640], [390, 844]]) {
  test(`a ${width} x ${height} phone: one column to tap through and fill in, going down`, () =>
    session(async (page) => {
      assert.deepEqual(await layoutFaults(page), []);
      await page.locator('label.option', { hasText: '4' }).tap();
      await page.tap('#Command1');
      assert.deepEqual(await layoutFaults(page), []); // the warning and its 确定 too
      await page.tap('#messageOk');
      await page.waitForFunction(() => document.activeElement?.id === 'texta');
      // The phone keyboard's "next" goes down the column: the core area, then the households.
      for (const area of ['30', '60', '70', '80', '90']) {
        await page.keyboard.type(area);
        await page.keyboard.press('Tab');
      }
      assert.equal(await focusedId(page), 'produce1');
      await page.tap('#Command1');
      assert.deepEqual(await values(page, ['produce1', 'produce2', 'produce3', 'produce4', 'Text9',
        'Text10']), ['66', '77', '88', '99', '330', '90.90909']);
    }, phone(width, height)));
}

test('the column\u2019s text grows with the reader\u2019s font size and still fits', () =>
  session(async (page) => {
    await page.evaluate(() => { document.documentElement.style.fontSize = '20px'; });
    assert.deepEqual(await layoutFaults(page), []);
    assert.deepEqual(await page.evaluate(() => ['texta', 'produce1', 'Command1']
      .map((id) => getComputedStyle(document.getElementById(id)).fontSize)),
    ['20px', '20px', '22.5px']);
  }, phone(320, 568)));

test('at 400 px and wider the page is the window again, with the window\u2019s tab order', () =>
  session(async (page) => {
    const afterCore = async () => {
      await page.focus('#texta');
      await page.keyboard.press('Tab');
      return focusedId(page);
    };
    await page.click('#Option2');
    assert.equal(await afterCore(), 'Text1');
    await page.setViewportSize({ width: 400, height: 640 });
    assert.equal(await afterCore(), 'Command1');
    await page.setViewportSize({ width: 399, height: 640 });
    assert.equal(await afterCore(), 'Text1');
  }, { viewport: { width: 360, height: 640 } }));
