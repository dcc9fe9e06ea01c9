// The shared scenarios in WebKit, Safari's engine: Debian's WebKitWebDriver starts WebKitGTK's
// MiniBrowser on an Xvfb screen of the test's own, and selenium-webdriver speaks to that driver
// (it downloads none). Everything started here is stopped again when the file's tests end.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { after } from 'node:test';
import { setTimeout as sleep } from 'node:timers/promises';
import { Builder, By } from 'selenium-webdriver';
import { findFreePort } from 'selenium-webdriver/net/portprober.js';
import { walkScenarios } from './scenarios.mjs';

const driverPath = process.env.WEBKIT_DRIVER ?? '/usr/bin/WebKitWebDriver';
const miniBrowser = process.env.MINIBROWSER
  ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
// WebKitGTK takes navigator.language from its process's locale.
const locales = { 'zh-CN': 'zh_CN.UTF-8', C: 'C.UTF-8' };

// Starts `command` in a process group of its own: stopping the group stops what the program
// started too (the driver's MiniBrowser and its web and network processes), and `stop` returns
// once all of them have ended. A missing program fails with the package to install.
function startGroup(command, args, pkg, options = {}) {
  const child = spawn(command, args, { stdio: 'ignore', ...options, detached: true });
  const started = new Promise((resolve, reject) => {
    child.once('spawn', resolve);
    child.once('error', () => reject(new Error(`${command} did not start: install ${pkg}`)));
  });
  const signal = (name) => {
    try {
      process.kill(-child.pid, name);
      return true;
    } catch {
      return false; // no process of the group is left
    }
  };
  const kill = () => signal('SIGKILL');
  process.once('exit', kill); // should the tests end without their after hooks
  return {
    child,
    started,
    stop: async () => {
      process.off('exit', kill);
      signal('SIGTERM');
      for (let waited = 0; signal(0); waited += 50) {
        if (waited === 3000) kill();
        if (waited === 10000) throw new Error(`${command}'s processes outlived their stop`);
        await sleep(50);
      }
    },
  };
}

// Xvfb on a free display it picks itself and names on the pipe given as -displayfd.
async function startXvfb() {
  const server = startGroup('Xvfb', ['-displayfd', '3', '-nolisten', 'tcp'], 'xvfb',
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  await server.started;
  let number = '';
  for await (const chunk of server.child.stdio[3]) {
    number += chunk;
    if (number.endsWith('\n')) break;
  }
  if (!number.trim()) throw new Error('Xvfb gave no display');
  return { display: `:${number.trim()}`, stop: server.stop };
}

// The driver, once it answers on its port.
async function startDriver(port, env) {
  const driver = startGroup(driverPath, [`--port=${port}`], 'webkit2gtk-driver', { env });
  await driver.started;
  const ended = once(driver.child, 'exit');
  for (let waited = 0; waited < 10000; waited += 50) {
    const ready = await fetch(`http://127.0.0.1:${port}/status`).then((r) => r.ok, () => false);
    if (ready) return driver;
    if (await Promise.race([ended.then(() => true), sleep(50).then(() => false)])) break;
  }
  await driver.stop();
  throw new Error(`${driverPath} did not answer on port ${port}`);
}

let screen;
after(() => screen?.stop());

walkScenarios({
  name: 'WebKit',
  async launch(language) {
    screen ??= await startXvfb();
    const port = await findFreePort();
    const service = await startDriver(port, { ...process.env, DISPLAY: screen.display,
      LANG: locales[language], LC_ALL: locales[language] });
    let driver;
    try {
      driver = await new Builder().usingServer(`http://127.0.0.1:${port}`).withCapabilities({
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation'] },
      }).build();
    } catch (error) {
      await service.stop();
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
      close: async () => {
        try {
          await driver.quit();
        } finally {
          await service.stop();
        }
      },
    };
  },
});
