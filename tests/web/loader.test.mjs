// The page's loader in Chromium where the browser lacks what it prefers, as older browsers do.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { chooseAndFill, openPage, values } from './harness.mjs';

test('without the browser\u2019s own base64 decoder the page still starts and computes', async () => {
  const s = await openPage();
  try {
    await s.page.addInitScript(() => delete Uint8Array.fromBase64);
    await s.page.reload();
    await s.page.waitForFunction(() => document.activeElement?.id === 'Option2');
    assert.equal(await s.page.evaluate(() => typeof Uint8Array.fromBase64), 'undefined');
    await chooseAndFill(s.page, 4, '30', ['60', '70', '80', '90']);
    await s.page.click('#Command1');
    assert.deepEqual(await values(s.page, ['produce1', 'produce4', 'Text9', 'Text10']),
      ['66', '99', '330', '90.90909']);
    assert.deepEqual(s.problems, []);
  } finally {
    await s.close();
  }
});
