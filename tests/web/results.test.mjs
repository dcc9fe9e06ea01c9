// The results in Chromium as the user sees and hears them: every digit in view, and the totals
// said to a screen reader.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { chooseAndFill, session, values } from './harness.mjs';

const results = ['produce1', 'produce2', 'produce3', 'produce4', 'produce5', 'produce6',
  'produce7', 'produce8', 'Text9', 'Text10'];

// Fills every result field with thirteen characters, the longest a result can be, written by
// 计算 or typed; answers the font size of each, or where a text is cut.
async function longestResults(page) {
  await chooseAndFill(page, 8, '0', Array(8).fill('-1.111111E-38'));
  await page.click('#Command1');
  assert.deepEqual(await values(page, results.slice(7)), ['-1.111111E-38', '-8.888887E-38', '100']);
  await page.fill('#produce2', '-8.888889E+37');
  await page.fill('#Text10', '-0.0008888889');
  return page.evaluate((ids) => ids.map((id) => {
    const box = document.getElementById(id);
    return box.scrollWidth > box.clientWidth ? `${id} cut` : parseFloat(getComputedStyle(box).fontSize);
  }), results);
}

test('the longest results show whole, in a smaller size where the field is too narrow', () =>
  session(async (page) => {
    const sizes = await longestResults(page);
    assert.ok(sizes.every((size) => size >= 8), sizes.join()); // 8 px: 6 pt
    assert.ok(sizes[8] < 16, `the total area stays at ${sizes[8]} px`);
  }));

test('a screen reader hears the total area and usage rate a calculation wrote, no more', () =>
  session(async (page) => {
    const heard = () => page.evaluate(() => {
      const region = document.querySelector('[aria-live=polite]');
      return region.getBoundingClientRect().width <= 1 ? region.textContent : 'seen';
    });
    await chooseAndFill(page, 4, '30', ['60', '70', '80', '90']);
    await page.click('#Command1');
    assert.equal(await heard(), '总面积 330，使用率 90.90909');
    await page.click('#Command2');
    assert.equal(await heard(), '');
    // Division by zero: the total area is written, the usage rate is not.
    await chooseAndFill(page, 2, '10', ['5', '-15']);
    await page.click('#Command1');
    await page.click('#messageOk');
    // The handler goes on once the box has closed, a moment after the click.
    await page.waitForFunction(() => document.querySelector('[aria-live=polite]').textContent);
    assert.equal(await heard(), '总面积 0');
  }));
