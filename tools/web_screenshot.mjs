// node tools/web_screenshot.mjs: writes docs/web.png and docs/web@2x.png, the page after the
// worked example, as docs/window.png shows the desktop window, and prints how long the page took
// from the start of loading until it took input. Needs scripts/web.sh and, in tests/web,
// `npm ci`: it drives the browser the way the browser tests do, with their playwright-core.
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchOptions, pageUrl } from '../tests/web/browser.mjs';

// Found from tests/web, whose package.json holds it, rather than from this folder.
const { chromium } = createRequire(new URL('../tests/web/package.json', import.meta.url))(
  'playwright-core');
const docs = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../docs');
const browser = await chromium.launch(launchOptions);
try {
  for (const [scale, name] of [[1, 'web.png'], [2, 'web@2x.png']]) {
    const context = await browser.newContext({ deviceScaleFactor: scale, locale: 'zh-CN' });
    const page = await context.newPage();
    await page.goto(pageUrl);
    await page.waitForFunction(() => document.activeElement?.id === 'Option2');
    const ready = await page.evaluate(() => performance.now());
    console.log(`${scale}x: ready for input ${ready.toFixed(0)} ms after navigation began`);
    await page.click('#Option4');
    await page.fill('#texta', '30');
    for (const [i, area] of ['60', '70', '80', '90'].entries()) {
      await page.fill(`#Text${i + 1}`, area);
    }
    await page.click('#Command1');
    await page.evaluate(() => document.activeElement.blur());
    await page.locator('#Form1').screenshot({ path: path.join(docs, name) });
    await context.close();
  }
} finally {
  await browser.close();
}
