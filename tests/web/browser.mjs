// Where the page is and how Debian's Chromium is started for it (no browser download).
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const pagePath = process.env.QUOTARA_PAGE ?? path.resolve(here, '../../dist/quotara.html');
export const pageUrl = pathToFileURL(pagePath).href;

export const launchOptions = {
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--headless', '--disable-gpu', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--no-first-run'],
};
