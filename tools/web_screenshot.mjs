// node tools/web_screenshot.mjs: writes docs/web.png and docs/web@2x.png, the page after the
// worked example, as docs/window.png shows the desktop window, and docs/web-phone.png, the same
// on a 360 px wide phone; prints how long the page took from the start of loading until it took
// input. Needs scripts/web.sh and, in tests/web, `npm ci`: it drives the browser the way the
// browser tests do, with their playwright-core.
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchOptions, pageUrl } from '../tests/web/browser.mjs';

// Found from tests/web, whose package.json holds it, rather than from this folder.
const { chromium } = createRequire(new URL('../tests/web/package.json', import.meta.url))(
  'playwright-core');
const docs = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../docs');
const pictures = [
  { name: 'web.png', context: { deviceScaleFactor: 1 } },
  { name: 'web@2x.png', context: { deviceScaleFactor: 2 } },
  { name: 'web-phone.png', wholePage: true, context: { viewport: { width: 360, height: 640 },
    deviceScaleFactor: 2, isMobile: true, hasTouch: true } },
];
const browser = await chromium.launch(launchOptions);
try {
  for (const { name, context: options, wholePage } of pictures) {
    const context = await browser.newContext({ ...options, locale: 'zh-CN' });
    const page = await context.newPage();
    await page.goto(pageUrl);
    await page.waitForFunction(() => document.activeElement?.id === 'Option2');
    const ready = await page.evaluate(() => performance.now());
    console.log(`${name}: ready for input ${ready.toFixed(0)} ms after navigation began`);
    await page.click('#Option4');
    await page.fill('#texta', '30');
    for (const [i, area] of ['60', '70', '80', '90'].entries()) {
      await page.fill(`#Text${i + 1}`, area);
    }
    await page.click('#Command1');
    await page.evaluate(() => document.activeElement.blur());
    const file = path.join(docs, name);
    await (wholePage ? page.screenshot({ path: file, fullPage: true })
      : page.locator('#Form1').screenshot({ path: file }));
    await context.close();
  }
} finally {
  await browser.close();
}
