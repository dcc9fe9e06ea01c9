// The shared scenarios in Firefox: Debian's firefox-esr, driven over WebDriver BiDi by
// puppeteer-core, which downloads no browser. Each launch has a fresh profile, removed on close.
import puppeteer from 'puppeteer-core';
import { walkScenarios } from './scenarios.mjs';

walkScenarios({
  name: 'Firefox',
  async launch(language) {
    const browser = await puppeteer.launch({
      browser: 'firefox',
      executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
      headless: true,
      // Firefox takes navigator.language from the first of these.
      extraPrefsFirefox: { 'intl.accept_languages': language },
    });
    const [page] = await browser.pages();
    const tab = {
      click: (id) => page.click(`#${id}`),
      type: (id, text) => page.type(`#${id}`, text),
      evaluate: (fn, arg) => page.evaluate(fn, arg),
    };
    return {
      open: async (url) => {
        await page.goto(url);
        return tab;
      },
      close: () => browser.close(),
    };
  },
});
