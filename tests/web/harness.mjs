// Starts one Chromium per test file, opens dist/quotara.html from disk and watches
// every page for requests and console errors, which a session must never cause.
import assert from 'node:assert/strict';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';
import { launchOptions, pageUrl } from './browser.mjs';

let browser;
before(async () => {
  browser = await chromium.launch(launchOptions);
});
after(async () => {
  await browser?.close();
});

// A fresh browser context (no shared state) with the page loaded and ready for input.
// `session.problems` collects requests other than the page itself, console errors and
// uncaught exceptions.
export async function openPage(options = {}) {
  const context = await browser.newContext({ locale: 'zh-CN', ...options });
  const page = await context.newPage();
  const problems = [];
  page.on('request', (request) => {
    if (request.url() !== pageUrl) problems.push(`request ${request.url().slice(0, 80)}`);
  });
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console: ${message.text().slice(0, 160)}`);
  });
  page.on('pageerror', (error) => problems.push(`exception: ${error.message}`));
  await page.goto(pageUrl);
  await page.waitForFunction(() => document.activeElement?.id === 'Option2');
  return { context, page, problems, close: () => context.close() };
}

// Runs `body` on a fresh page and fails on any request, console error or exception it caused.
export async function session(body, options) {
  const s = await openPage(options);
  try {
    await body(s.page, s);
    assert.deepEqual(s.problems, []);
  } finally {
    await s.close();
  }
}

// The text of each field named.
export function values(page, ids) {
  return page.evaluate((names) => names.map((id) => document.getElementById(id).value), ids);
}

export async function chooseAndFill(page, count, core, usable) {
  await page.click(`#Option${count}`);
  await page.fill('#texta', core);
  for (const [i, text] of usable.entries()) await page.fill(`#Text${i + 1}`, text);
}

export const focusedId = (page) => page.evaluate(() => document.activeElement?.id ?? '');

// Closes the message box with `key` (its button when none) and gives the handler, which goes on
// once the box has gone, the time to move the focus to `expected`. Answers where the focus is.
export async function closeMessage(page, expected, key) {
  if (key) await page.keyboard.press(key);
  else await page.click('#messageOk');
  await page.waitForFunction((id) => document.activeElement?.id === id, expected,
    { timeout: 3000 }).catch(() => {});
  return focusedId(page);
}
export const dialogOpen = (page) => page.evaluate(() => document.getElementById('message').open);
