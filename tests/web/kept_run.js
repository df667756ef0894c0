// Zubrik: the page's steps for the kept run and the installed app: a reload plays on, a new visit starts afresh, offline play from the worker's cache.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Run by e2e.js, each in a browser context of its own, so that no step finds
// another's storage or worker.
'use strict';

const assert = require('assert/strict');
const fs = require('fs');
const path = require('path');
const { decodePng } = require('./png');
const { serve } = require('./site_server');
const { selector, untilLoaded, dismissMessage, jumpTo } = require('./player');

const key = 'zubrik.run';
const counter = (page) => page.$eval(selector('Lbl_count'), (el) => el.textContent);
const kept = (page) => page.evaluate((name) => sessionStorage.getItem(name), key);
const untilKept = (page, pattern) => page.waitForFunction((name, source) =>
  new RegExp(source).test(sessionStorage.getItem(name)), { timeout: 5000 }, key, pattern.source);
const setKept = (page, text) => page.evaluate((name, value) => sessionStorage.setItem(name, value), key, text);

// Every file of the folder but the worker, relative, with '/'.
function siteFiles(site, under = '') {
  return fs.readdirSync(path.join(site, under), { withFileTypes: true }).flatMap((entry) => {
    const name = under ? `${under}/${entry.name}` : entry.name;
    return entry.isDirectory() ? siteFiles(site, name) : [name];
  }).filter((name) => name !== 'service_worker.js');
}

async function pick(page, opener, form, digit) {
  await page.click(selector(opener));
  await page.waitForSelector(`dialog[data-form="${form}"][open]`);
  await page.keyboard.press(String(digit));
  await page.waitForSelector(`dialog[data-form="${form}"][open]`, { hidden: true });
}

// What the page shows of the run once loaded afresh.
async function reloaded(page) {
  await page.reload({ waitUntil: 'load' });
  await untilLoaded(page);
  return page.evaluate((count, picture) => ({
    count: document.querySelector(count).textContent,
    picture: document.querySelector(picture).getAttribute('aria-description'),
    box: document.querySelector('dialog[data-message][open]') !== null,
    paused: document.querySelector('[data-control="Cmd_pause"]').textContent === '再生',
    exit: window.zubrik.exitCode,
  }), selector('Lbl_count'), selector('Pic'));
}

// A page in a context of its own (its own storage and workers), loaded;
// `before` runs in every document before the page's scripts.
async function freshPage(browser, url, before) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error.message || error)));
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  if (before) await page.evaluateOnNewDocument(before);
  await page.goto(url, { waitUntil: 'load' });
  await untilLoaded(page);
  return { page, errors, close: () => context.close() };
}

async function keptRunSteps({ step, browser, browserName, site, shot }) {
  const server = await serve(site);
  const inFreshPage = async (body, before, url = server.url) => {
    const fresh = await freshPage(browser, url, before);
    try {
      await body(fresh.page);
      assert.deepEqual(fresh.errors, []);
    } finally {
      await fresh.close();
    }
  };
  try {
    await step('a reload plays on from the count, character and stage; a new context starts at 0', async () => {
      await inFreshPage(async (page) => {
        await jumpTo(page, 3);
        await pick(page, 'Cmd_nikusel', 'Form2', 3);
        await pick(page, 'Cmd_stgsel', 'Form3', 2);
        await untilKept(page, /count=3 character=2 stage=1 hidden=0$/);
        assert.deepEqual(await reloaded(page), { count: '3', picture: 'ステージ「砂漠地帯」、肉「とり肉」',
                                                 box: false, paused: false, exit: null });
        if (shot) await page.screenshot({ path: shot });
        await jumpTo(page, 4);
      });
      await inFreshPage(async (page) => assert.equal(await counter(page), '0'));
    });

    await step('a damaged, out-of-range or foreign kept run starts at 0 with no box; so does refused storage', async () => {
      await inFreshPage(async (page) => {
        await untilKept(page, /./);
        const good = await kept(page);
        const tampered = ['nonsense', good.replace('count=0', 'count=999999'), good.replace('count=0', 'count=-4'),
                          good.replace('count=0', 'count=12').replace(/^zubrik-run \S+/, 'zubrik-run 0.0.0'),
                          good.replace('character=0', 'character=3'), // the hidden mode's own, without it
                          good.replace('count=0', 'count=7') + 'x'.repeat(5000)];
        for (const text of tampered) {
          await setKept(page, text);
          assert.deepEqual(await reloaded(page), { count: '0', picture: 'ステージ「平原」、肉「まんが肉」',
                                                   box: false, paused: false, exit: null }, text.slice(0, 60));
          // The fresh run's replaces it at the program's first wait.
          await untilKept(page, new RegExp(`^${good.replace(/\./g, '\\.')}$`));
        }
      });
      // Storage that throws at every touch, as where it is disabled.
      await inFreshPage(async (page) => {
        assert.ok(await page.evaluate(() => { try { return !sessionStorage; } catch (e) { return e.name === 'SecurityError'; } }),
                  'the storage did not refuse');
        await jumpTo(page, 2);
        assert.equal(await page.$('dialog[data-message][open]'), null);
      }, () => Object.defineProperty(window, 'sessionStorage', {
        get() { throw new DOMException('refused', 'SecurityError'); },
      }));
    });

    await step('the ending clears the kept run: the next load starts at 0', async () => {
      await inFreshPage(async (page) => {
        await untilKept(page, /./);
        await setKept(page, (await kept(page)).replace('count=0', 'count=999998'));
        assert.equal((await reloaded(page)).count, '999998');
        await page.click(selector('Cmd_jump'));
        await page.waitForSelector('dialog[data-message][open]');
        await dismissMessage(page);
        // The ending opens once the box is answered, a moment after it closes.
        await (await page.waitForSelector('dialog[data-form="Form4"][open] button')).click();
        await page.waitForFunction(() => window.zubrik.exitCode === 0, { timeout: 5000 });
        assert.equal(await kept(page), null);
        assert.equal((await reloaded(page)).count, '0');
      });
    });

    await step('the manifest names the app; its icons are sharp enlargements at their sizes; iOS has its own', async () => {
      const get = async (name) => {
        const response = await fetch(new URL(name, server.url));
        assert.ok(response.ok, `${name}: HTTP ${response.status}`);
        return Buffer.from(await response.arrayBuffer());
      };
      const fields = JSON.parse((await get('manifest.webmanifest')).toString('utf8'));
      assert.deepEqual([fields.name, fields.display, new URL(fields.start_url, server.url).href],
                       ['Zubrik', 'standalone', server.url]);
      for (const colour of [fields.theme_color, fields.background_color]) assert.match(colour, /^#[0-9a-f]{6}$/);
      const icon = async (src, size) => {
        const png = decodePng(await get(src));
        assert.deepEqual([png.width, png.height], [size, size], src);
        return png;
      };
      assert.deepEqual(fields.icons.map((entry) => `${entry.sizes} ${entry.type}`).sort(),
                       ['192x192 image/png', '512x512 image/png']);
      for (const entry of fields.icons) {
        const size = Number(entry.sizes.split('x')[0]);
        const factor = size === 192 ? 4 : 16; // of the 48- and the 32-pixel drawing
        const { rgba } = await icon(entry.src, size);
        // Every pixel as the top left one of its square.
        for (let at = 0; at < rgba.length; ++at) {
          const [x, y] = [(at >> 2) % size, Math.floor((at >> 2) / size)];
          const corner = (((y - (y % factor)) * size + x - (x % factor)) << 2) + (at & 3);
          if (rgba[at] !== rgba[corner]) assert.fail(`${entry.src} is smoothed at ${x},${y}`);
        }
      }
      await inFreshPage(async (page) => {
        const head = await page.evaluate(() => ({
          touch: document.querySelector('link[rel="apple-touch-icon"]').getAttribute('href'),
          manifest: document.querySelector('link[rel="manifest"]').getAttribute('href'),
        }));
        assert.equal(head.manifest, 'manifest.webmanifest');
        const { rgba } = await icon(head.touch, 180);
        assert.ok(rgba.every((value, at) => (at & 3) !== 3 || value === 255), 'iOS\'s icon is not opaque');
        if (browserName === 'chromium') {
          const { errors } = await (await page.createCDPSession()).send('Page.getAppManifest');
          assert.deepEqual(errors, [], 'Chromium finds fault with the manifest');
        }
      });
    });
  } finally {
    await server.close();
  }

  // On a server of its own, stopped once the worker is active; again on one
  // that redirects index.html to its folder.
  for (const redirectIndex of [false, true]) await step(`the worker controls the page, caches exactly the site, and a reload with the server gone shows the first frame${redirectIndex ? ', index.html redirected' : ''}`, async () => {
    const offline = await serve(site, { redirectIndex });
    let stopped = false;
    try {
      await inFreshPage(async (page) => {
        // Ready once a worker has installed and activated; never, where none registered.
        assert.ok(await page.evaluate(() => Promise.race([
          navigator.serviceWorker.ready.then(() => true),
          new Promise((resolve) => setTimeout(() => resolve(false), 15000))])), 'no worker became active');
        await page.reload({ waitUntil: 'load' });
        assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null), 'no worker controls the page');
        const cached = await page.evaluate(async () => {
          const names = await caches.keys();
          const urls = await Promise.all(names.map(async (name) =>
            (await (await caches.open(name)).keys()).map((request) => request.url)));
          return { names, urls: urls.flat().sort() };
        });
        assert.equal(cached.names.length, 1, `caches: ${cached.names}`);
        assert.deepEqual(cached.urls, siteFiles(site).map((name) => new URL(name, offline.url).href).sort());
        await offline.close();
        stopped = true;
        assert.equal((await reloaded(page)).count, '0');
      }, null, offline.url);
    } finally {
      if (!stopped) await offline.close();
    }
  });
}

module.exports = { keptRunSteps };
