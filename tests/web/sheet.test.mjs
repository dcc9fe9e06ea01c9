// The calculation sheet in Chromium: copied as rows and as a table, printed on A4 in place of the
// window, and stopped by a typing mistake exactly as 计算 is.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { test } from 'node:test';
import { chooseAndFill, closeMessage, dialogOpen, focusedId, session, values } from './harness.mjs';

const worked = ['30', ['60', '70', '80', '90']];
const clipboard = { permissions: ['clipboard-read', 'clipboard-write'] };

// What the clipboard holds, each format as text.
const clipboardFormats = (page) => page.evaluate(async () => {
  const formats = {};
  for (const item of await navigator.clipboard.read()) {
    for (const type of item.types) formats[type] = await (await item.getType(type)).text();
  }
  return formats;
});

// Waits until the clipboard holds the sheet.
async function copiedSheet(page) {
  await page.waitForFunction(async () => (await navigator.clipboard.readText())
    .startsWith('公摊面积计算表'), null, { polling: 50, timeout: 3000 });
  return clipboardFormats(page);
}

// The page as Chromium prints it: its text laid out and its page count. With QUOTARA_PRINT_DIR
// set, the PDF and a picture of each page stay there to be looked at.
function printed(pdf, name) {
  const kept = process.env.QUOTARA_PRINT_DIR;
  const folder = kept ?? mkdtempSync(path.join(tmpdir(), 'quotara-sheet-'));
  const file = path.join(folder, `${name}.pdf`);
  try {
    writeFileSync(file, pdf);
    if (kept) execFileSync('pdftoppm', ['-png', '-r', '96', file, path.join(folder, name)]);
    const text = execFileSync('pdftotext', ['-layout', file, '-'], { encoding: 'utf8' });
    const info = execFileSync('pdfinfo', [file], { encoding: 'utf8' });
    return { text: text.replace(/ +/g, ' '), pages: Number(info.match(/^Pages:\s+(\d+)/m)[1]) };
  } finally {
    if (!kept) rmSync(folder, { recursive: true });
  }
}

// The faces Chromium sets the printed table's cells in (the PDF keeps no names of them).
async function printedFaces(page) {
  await page.emulateMedia({ media: 'print' });
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('DOM.enable');
  await cdp.send('CSS.enable');
  const { root } = await cdp.send('DOM.getDocument');
  const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId,
    selector: '#sheet td' });
  const { fonts } = await cdp.send('CSS.getPlatformFontsForNode', { nodeId });
  await cdp.detach();
  await page.emulateMedia({ media: 'screen' });
  return fonts.map((font) => font.familyName);
}

test('the printed page is the worked example\u2019s table on one A4 page, not the window', () =>
  session(async (page) => {
    // A typing mistake, printed from the browser's menu: a note instead of a table, no box.
    await chooseAndFill(page, 4, worked[0], ['60', '70', '8O', '90']);
    await page.focus('#Text1');
    const note = printed(await page.pdf({ format: 'A4' }), 'note');
    assert.match(note.text, /第3户使用面积：请输入数字！！/);
    assert.doesNotMatch(note.text, /户号|合计/);
    assert.equal(await dialogOpen(page), false);
    assert.equal(await focusedId(page), 'Text1');

    await page.fill('#Text3', '80');
    const sheet = printed(await page.pdf({ format: 'A4' }), 'sheet');
    const lines = sheet.text.split('\n').map((line) => line.trim());
    assert.equal(lines[0], '公摊面积计算表');
    assert.match(lines[1], /^\d{4}-\d\d-\d\d \d\d:\d\d$/);
    for (const row of ['户号 使用面积 分摊面积 建筑面积', '第1户 60 6 66', '第2户 70 7 77',
      '第3户 80 8 88', '第4户 90 9 99', '合计 300 30 330', '使用率（%） 90.90909']) {
      assert.ok(lines.includes(row), `${row} in\n${sheet.text}`);
    }
    assert.match(sheet.text, /公摊系数 K（核心部分面积 ÷ 使用面积合计） 0\.1\n/);
    assert.doesNotMatch(sheet.text, /请先选择单元平面的户数|请输入核心部分的面积|清除|复制计算表|designed by/);
    assert.equal(sheet.pages, 1);
    assert.match((await printedFaces(page)).join(), /Serif CJK|Song|UMing/, 'set in a Song face');
    assert.deepEqual(await values(page, ['produce1', 'Text9']), ['', ''], 'the window untouched');
  }));

test('复制计算表 puts the sheet on the clipboard as rows and as an HTML table', () =>
  session(async (page) => {
    await chooseAndFill(page, 4, ...worked);
    const before = Date.now();
    await page.click('#copySheet');
    const { 'text/plain': text, 'text/html': html } = await copiedSheet(page);
    // The date and time are Shanghai's, the browser's own zone, not the machine's or UTC.
    const local = (time) => new Intl.DateTimeFormat('sv-SE', { timeZone: 'Asia/Shanghai',
      dateStyle: 'short', timeStyle: 'short' }).format(time);
    const lines = text.split('\n');
    assert.ok([local(before), local(Date.now())].includes(lines[1]), lines[1]);
    assert.deepEqual(lines.slice(3), ['户号\t使用面积\t分摊面积\t建筑面积', '第1户\t60\t6\t66',
      '第2户\t70\t7\t77', '第3户\t80\t8\t88', '第4户\t90\t9\t99', '合计\t300\t30\t330',
      '公摊系数 K（核心部分面积 ÷ 使用面积合计）\t0.1', '使用率（%）\t90.90909', '']);
    assert.match(html, /<table[^>]*>[\s\S]*<td[^>]*>90\.90909<\/td>/);
    assert.deepEqual(await values(page, ['produce1', 'Text9']), ['', '']);
  }, { ...clipboard, timezoneId: 'Asia/Shanghai' }));

test('a typing mistake stops both buttons and Ctrl+P as it stops 计算', () =>
  session(async (page) => {
    await page.evaluate(() => navigator.clipboard.writeText('kept'));
    await page.evaluate(() => { window.printed = 0; window.print = () => { window.printed += 1; }; });
    await chooseAndFill(page, 3, '30', ['60', '6O', '80']);
    for (const press of [() => page.click('#copySheet'), () => page.click('#printSheet'),
      () => page.keyboard.press('Control+P')]) {
      await press();
      assert.equal(await page.textContent('#messageText'), '请输入数字！！');
      // One handler at a time: the other buttons, and a print from the menu, wait their turn.
      await page.evaluate(() => ['copySheet', 'printSheet', 'Command1']
        .forEach((id) => document.getElementById(id).click()));
      await page.evaluate(() => dispatchEvent(new Event('beforeprint')));
      assert.equal(await page.textContent('#sheet'), '请先关闭页面上的提示框，再打印计算表。');
      assert.equal(await closeMessage(page, 'Text2'), 'Text2');
    }
    assert.equal(await page.evaluate(() => navigator.clipboard.readText()), 'kept');
    assert.equal(await page.evaluate(() => window.printed), 0);
    assert.deepEqual(await values(page, ['produce1']), ['']);

    // Put right, Ctrl+P prints the sheet through the same road as the button.
    await page.fill('#Text2', '70');
    await page.keyboard.press('Control+P');
    await page.waitForFunction(() => window.printed === 1);
    assert.match(await page.textContent('#sheet table'), /合计21030240/);
    assert.equal(await dialogOpen(page), false);
  }, clipboard));

test('without the Clipboard API a copy event carries both forms; a refused write is told', () =>
  session(async (page, s) => {
    await chooseAndFill(page, 4, ...worked);
    await page.evaluate(() => { delete window.ClipboardItem; });
    await page.click('#copySheet');
    const formats = await copiedSheet(page);
    assert.match(formats['text/plain'], /\n第4户\t90\t9\t99\n/);
    assert.match(formats['text/html'], /<table/);

    await page.evaluate(() => {
      window.ClipboardItem = class {};
      navigator.clipboard.write = () => Promise.reject(new DOMException('no', 'NotAllowedError'));
    });
    await page.click('#copySheet');
    await page.waitForFunction(() => document.getElementById('message').open);
    assert.match(await page.textContent('#messageText'), /^无法写入剪贴板，计算表没有复制。/);
    assert.equal(await closeMessage(page, 'copySheet'), 'copySheet');
    assert.deepEqual(s.problems, []);
  }, clipboard));

const phone = { viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true,
  deviceScaleFactor: 3 };
const boxes = (page) => page.evaluate(() => Object.fromEntries(['Form1', 'Frame5', 'copySheet',
  'printSheet'].map((id) => [id, document.getElementById(id).getBoundingClientRect().toJSON()])));

test('the buttons stand below the window, and at the end of the column on a phone', async () => {
  await session(async (page) => {
    const { Form1, copySheet, printSheet } = await boxes(page);
    // The window stays in the middle of the 720 px high page, where it stood without them.
    assert.deepEqual([Form1.width, Form1.height, Form1.top], [389, 494, (720 - 494) / 2]);
    assert.ok(copySheet.top >= Form1.bottom && printSheet.left > copySheet.right);
    await page.focus('#Text10');
    await page.keyboard.press('Tab');
    assert.equal(await focusedId(page), 'copySheet');
    assert.equal(await page.getByRole('button', { name: '打印计算表' }).count(), 1);
  });
  await session(async (page) => {
    const { Frame5, copySheet, printSheet } = await boxes(page);
    for (const button of [copySheet, printSheet]) {
      assert.ok(button.top >= Frame5.bottom, 'below the last of the window');
      assert.ok(button.width >= 44 && button.height >= 44, `${button.width} x ${button.height}`);
    }
    await page.locator('#copySheet').tap();
    assert.equal(await page.textContent('#messageText'), '请输入数字！！');
  }, phone);
});
