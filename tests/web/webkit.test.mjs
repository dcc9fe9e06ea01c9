// The shared scenarios in WebKit, Safari's engine: Debian's WebKitWebDriver starts WebKitGTK's
// MiniBrowser on an Xvfb screen of the test's own, and selenium-webdriver speaks to that driver
// (it downloads none). Everything started here is stopped again when the file's tests end.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { after } from 'node:test';
import { Builder, By } from 'selenium-webdriver';
import { findFreePort } from 'selenium-webdriver/net/portprober.js';
import { DriverService } from 'selenium-webdriver/remote/index.js';
import { walkScenarios } from './scenarios.mjs';

const miniBrowser = process.env.MINIBROWSER
  ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
// WebKitGTK takes navigator.language from its process's locale.
const locales = { 'zh-CN': 'zh_CN.UTF-8', C: 'C.UTF-8' };

// Xvfb on a free display it picks itself and names on the pipe given as -displayfd.
async function startXvfb() {
  const server = spawn('Xvfb', ['-displayfd', '3', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const ended = once(server, 'exit');
  const kill = () => server.kill();
  process.once('exit', kill); // should the tests end without their after hooks
  let number = '';
  for await (const chunk of server.stdio[3]) {
    number += chunk;
    if (number.endsWith('\n')) break;
  }
  if (!number.trim()) throw new Error('Xvfb did not start');
  return {
    display: `:${number.trim()}`,
    stop: async () => {
      process.off('exit', kill);
      kill();
      await ended;
    },
  };
}

let screen;
after(() => screen?.stop());

walkScenarios({
  name: 'WebKit',
  async launch(language) {
    screen ??= await startXvfb();
    const port = await findFreePort();
    const service = new DriverService(process.env.WEBKIT_DRIVER ?? '/usr/bin/WebKitWebDriver', {
      port,
      args: [`--port=${port}`],
      loopback: true,
      env: { ...process.env, DISPLAY: screen.display, LANG: locales[language],
        LC_ALL: locales[language] },
    });
    let driver;
    try {
      driver = await new Builder().usingServer(await service.start(10000)).withCapabilities({
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] },
      }).build();
    } catch (error) {
      await service.kill();
      throw error;
    }
    const tab = {
      click: (id) => driver.findElement(By.id(id)).click(),
      type: (id, text) => driver.findElement(By.id(id)).sendKeys(text),
      evaluate: (fn, arg) => driver.executeScript(fn, arg),
    };
    return {
      open: async (url) => {
        await driver.get(url);
        return tab;
      },
      // MiniBrowser ends with its session; the driver outlives it unless stopped.
      close: async () => {
        try {
          await driver.quit();
        } finally {
          await service.kill();
        }
      },
    };
  },
});
