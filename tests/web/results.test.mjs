// The results in Chromium as the user sees and hears them: every digit in view, and the totals
// said to a screen reader.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { chooseAndFill, session, values } from './harness.mjs';

const results = ['produce1', 'produce2', 'produce3', 'produce4', 'produce5', 'produce6',
  'produce7', 'produce8', 'Text9', 'Text10'];

// Each result field's text, whether it shows whole, and its font size in CSS pixels.
const shown = (page) => page.evaluate((ids) => ids.map((id) => {
  const box = document.getElementById(id);
  return { id, text: box.value, whole: box.scrollWidth <= box.clientWidth,
    size: parseFloat(getComputedStyle(box).fontSize) };
}), results);

// Thirteen characters, the longest a result can be, written by 计算 and typed by the user.
async function longestResults(page) {
  await chooseAndFill(page, 8, '0', Array(8).fill('-1.111111E-38'));
  await page.click('#Command1');
  assert.deepEqual(await values(page, results),
    [...Array(8).fill('-1.111111E-38'), '-8.888887E-38', '100']);
  for (const id of ['produce2', 'produce7']) await page.fill(`#${id}`, '-8.888889E+37');
  await page.fill('#Text10', '-0.0008888889');
  return shown(page);
}

test('the longest results show whole, in a smaller size where the field is too narrow', () =>
  session(async (page) => {
    const fields = await longestResults(page);
    assert.deepEqual(fields.filter((f) => !f.whole || f.size < 8), []); // 8 px: 6 pt
    const total = fields.find((f) => f.id === 'Text9');
    assert.ok(total.size < 16, `the total area stays at ${total.size} px`);
    // Emptied, the total area is back at its own size.
    await page.click('#Command2');
    assert.equal((await shown(page)).find((f) => f.id === 'Text9').size, 16);
  }));

test('a screen reader hears the total area and usage rate a calculation wrote, no more', () =>
  session(async (page) => {
    const heard = () => page.evaluate(() => {
      const region = document.querySelector('[aria-live=polite]');
      const box = region.getBoundingClientRect();
      return { said: region.textContent, unseen: box.width <= 1 && box.height <= 1 };
    });
    await chooseAndFill(page, 4, '30', ['60', '70', '80', '90']);
    await page.click('#Command1');
    assert.deepEqual(await heard(), { said: '总面积 330，使用率 90.90909', unseen: true });
    await page.click('#Command2');
    assert.equal((await heard()).said, '');

    // Division by zero: the total area is written, the usage rate is not; the warning is an
    // alert dialog of its own.
    await chooseAndFill(page, 2, '10', ['5', '-15']);
    await page.click('#Command1');
    assert.equal(await page.getAttribute('#message', 'role'), 'alertdialog');
    await page.click('#messageOk');
    assert.deepEqual(await values(page, ['Text9', 'Text10']), ['0', '']);
    assert.deepEqual(await heard(), { said: '总面积 0', unseen: true });

    // A warning before anything is written: nothing to hear.
    await page.fill('#Text1', 'x');
    await page.click('#Command1');
    await page.click('#messageOk');
    assert.equal((await heard()).said, '');
  }));
