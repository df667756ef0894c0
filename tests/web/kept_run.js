// Zubrik: the page's steps for the kept run and the installed app: a reload plays on, a new tab starts afresh, offline play from the worker's cache.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Run by e2e.js, each on a server and in a browser context of its own, so
// that no step finds another's storage or worker.
'use strict';

const assert = require('assert/strict');
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const { decodePng } = require('./png');
const { serve } = require('./site_server');
const { selector, untilLoaded, dismissMessage, jump, jumpTo } = require('./player');

const key = 'zubrik.run';
const counter = (page) => page.$eval(selector('Lbl_count'), (el) => el.textContent);
const kept = (page) => page.evaluate((name) => sessionStorage.getItem(name), key);
const pictureSays = (page) => page.$eval(selector('Pic'), (el) => el.getAttribute('aria-description'));
const boxOpen = (page) => page.$('dialog[data-message][open]').then((box) => box !== null);

// Every file of the folder, as its worker lists them: relative, with '/'.
function siteFiles(site, under = '') {
  return fs.readdirSync(path.join(site, under), { withFileTypes: true }).flatMap((entry) => {
    const name = under ? `${under}/${entry.name}` : entry.name;
    return entry.isDirectory() ? siteFiles(site, name) : [name];
  });
}

// Picks choice `digit` (from 1) in the dialog that `opener` brings up, by its digit key.
async function pick(page, opener, form, digit) {
  await page.click(selector(opener));
  await page.waitForSelector(`dialog[data-form="${form}"][open]`);
  await page.keyboard.press(String(digit));
  await page.waitForSelector(`dialog[data-form="${form}"][open]`, { hidden: true });
}

// What the page shows of the run, once it has loaded afresh.
async function reloaded(page) {
  await page.reload({ waitUntil: 'load' });
  await untilLoaded(page);
  return { count: await counter(page), picture: await pictureSays(page), box: await boxOpen(page),
           pause: await page.$eval(selector('Cmd_pause'), (el) => el.textContent),
           exit: await page.evaluate(() => window.zubrik.exitCode) };
}

// A page in a context of its own (its own storage and workers); closed with it.
async function freshPage(browser, url) {
  const context = await browser.createBrowserContext();
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error.message || error)));
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  await page.goto(url, { waitUntil: 'load' });
  await untilLoaded(page);
  return { page, errors, close: () => context.close() };
}

async function keptRunSteps({ step, browser, browserName, site, shot }) {
  const server = await serve(site);
  try {
    await step('a reload plays on from the count, character and stage; a new tab and a new context start at 0', async () => {
      const { page, errors, close } = await freshPage(browser, server.url);
      try {
        await jumpTo(page, 3);
        await pick(page, 'Cmd_nikusel', 'Form2', 3);
        await pick(page, 'Cmd_stgsel', 'Form3', 2);
        const before = await pictureSays(page);
        assert.equal(before, 'ステージ「砂漠地帯」、肉「とり肉」');
        await page.waitForFunction((name) => /count=3 character=2 stage=1 hidden=0$/.test(sessionStorage.getItem(name)),
                                   { timeout: 5000 }, key);
        const after = await reloaded(page);
        assert.deepEqual(after, { count: '3', picture: before, box: false, pause: '一時停止', exit: null });
        if (shot) await page.screenshot({ path: shot });
        // It counts on, and the milestone at 10 still comes.
        await jumpTo(page, 9);
        assert.equal(await boxOpen(page), false);
        await jump(page);
        assert.equal(await counter(page), '10');
        assert.equal(await boxOpen(page), true, 'no box at 10 after the reload');
        await dismissMessage(page);
        const tab = await page.browserContext().newPage();
        await tab.goto(server.url, { waitUntil: 'load' });
        await untilLoaded(tab);
        assert.equal(await counter(tab), '0', 'a new tab of the same context played on');
        await tab.close();
        assert.deepEqual(errors, []);
      } finally {
        await close();
      }
      const other = await freshPage(browser, server.url);
      try {
        assert.equal(await counter(other.page), '0', 'a new context played on');
      } finally {
        await other.close();
      }
    });

    await step('a damaged, out-of-range or foreign kept run starts at 0, with no box; so does refused storage', async () => {
      const { page, errors, close } = await freshPage(browser, server.url);
      try {
        await page.waitForFunction((name) => sessionStorage.getItem(name) !== null, { timeout: 5000 }, key);
        const good = await kept(page);
        assert.match(good, /^zubrik-run \S+ count=0 character=0 stage=0 hidden=0$/);
        const tampered = [
          'nonsense',
          good.replace('count=0', 'count=999999'),
          good.replace('count=0', 'count=-4'),
          good.replace('count=0', 'count=12').replace(/^zubrik-run \S+/, 'zubrik-run 0.0.0'),
          good.replace('character=0', 'character=3'), // the hidden mode's own, without it
          good.replace('count=0', 'count=7') + ' ' + 'x'.repeat(5000),
        ];
        for (const text of tampered) {
          await page.evaluate((name, value) => sessionStorage.setItem(name, value), key, text);
          const after = await reloaded(page);
          assert.deepEqual([after.count, after.box, after.exit], ['0', false, null], `after ${text.slice(0, 60)}`);
          // Replaced by the fresh run's at the program's first wait.
          await page.waitForFunction((name, value) => sessionStorage.getItem(name) === value,
                                     { timeout: 5000 }, key, good);
        }
        assert.deepEqual(errors, []);
      } finally {
        await close();
      }
      // Storage that throws at every touch, as where it is disabled.
      const context = await browser.createBrowserContext();
      try {
        const page = await context.newPage();
        const errors = [];
        page.on('pageerror', (error) => errors.push(String(error.message || error)));
        await page.evaluateOnNewDocument(() => {
          Object.defineProperty(window, 'sessionStorage', {
            get() { throw new DOMException('refused', 'SecurityError'); },
          });
        });
        await page.goto(server.url, { waitUntil: 'load' });
        await untilLoaded(page);
        await jumpTo(page, 2);
        assert.equal(await counter(page), '2');
        assert.equal(await boxOpen(page), false);
        assert.deepEqual(errors, []);
      } finally {
        await context.close();
      }
    });

    await step('the ending clears the kept run: the next load starts at 0', async () => {
      const { page, close } = await freshPage(browser, server.url);
      try {
        const nearTheEnd = (await kept(page)).replace('count=0', 'count=999998');
        await page.evaluate((name, value) => sessionStorage.setItem(name, value), key, nearTheEnd);
        assert.equal((await reloaded(page)).count, '999998');
        await page.click(selector('Cmd_jump'));
        await page.waitForSelector('dialog[data-message][open]');
        await dismissMessage(page);
        await page.waitForSelector('dialog[data-form="Form4"][open]');
        await page.click('dialog[data-form="Form4"][open] button');
        await page.waitForFunction(() => window.zubrik.exitCode === 0, { timeout: 5000 });
        assert.equal(await kept(page), null);
        assert.equal((await reloaded(page)).count, '0');
      } finally {
        await close();
      }
    });

    await step('the manifest names the app, its icons are whole enlargements at their sizes; iOS has its own', async () => {
      const get = async (name) => {
        const response = await fetch(new URL(name, server.url));
        assert.ok(response.ok, `${name}: HTTP ${response.status}`);
        return { type: response.headers.get('content-type'), body: Buffer.from(await response.arrayBuffer()) };
      };
      const manifest = await get('manifest.webmanifest');
      assert.equal(manifest.type, 'application/manifest+json');
      const fields = JSON.parse(manifest.body.toString('utf8'));
      assert.equal(fields.name, 'Zubrik');
      assert.equal(fields.display, 'standalone');
      assert.equal(new URL(fields.start_url, server.url).href, server.url);
      for (const colour of [fields.theme_color, fields.background_color]) assert.match(colour, /^#[0-9a-f]{6}$/);
      const icon = async (src, size) => {
        const png = decodePng((await get(src)).body);
        assert.deepEqual([png.width, png.height], [size, size], src);
        return png;
      };
      const sizes = fields.icons.map((entry) => entry.sizes).sort();
      assert.deepEqual(sizes, ['192x192', '512x512']);
      for (const entry of fields.icons) {
        assert.equal(entry.type, 'image/png');
        const size = Number(entry.sizes.split('x')[0]);
        const png = await icon(entry.src, size);
        // Sharp squares: every pixel the same as the top left one of its block.
        const factor = size === 192 ? 4 : 16;
        for (let y = 0; y < size; ++y)
          for (let x = 0; x < size; ++x)
            for (let c = 0; c < 4; ++c) {
              const at = (y * size + x) * 4 + c;
              const corner = ((y - (y % factor)) * size + (x - (x % factor))) * 4 + c;
              if (png.rgba[at] !== png.rgba[corner]) assert.fail(`${entry.src} is smoothed at ${x},${y}`);
            }
      }
      const page = await browser.newPage();
      try {
        await page.goto(server.url, { waitUntil: 'load' });
        const head = await page.evaluate(() => ({
          touch: document.querySelector('link[rel="apple-touch-icon"]')?.getAttribute('href'),
          manifest: document.querySelector('link[rel="manifest"]')?.getAttribute('href'),
          theme: document.querySelector('meta[name="theme-color"]')?.content,
        }));
        assert.equal(head.manifest, 'manifest.webmanifest');
        assert.equal(head.theme, fields.theme_color);
        const touch = await icon(head.touch, 180);
        for (let at = 3; at < touch.rgba.length; at += 4) if (touch.rgba[at] !== 255) assert.fail('iOS\'s icon is not opaque');
        if (browserName === 'chromium') {
          const session = await page.createCDPSession();
          const { errors } = await session.send('Page.getAppManifest');
          assert.deepEqual(errors, [], 'Chromium finds fault with the manifest');
        }
      } finally {
        await page.close();
      }
    });

    await step('the worker lists exactly the site\'s files with their hashes', async () => {
      const worker = fs.readFileSync(path.join(site, 'service_worker.js'), 'utf8');
      const listed = JSON.parse(/const files = (\{[^}]*\});/.exec(worker)[1]);
      const files = siteFiles(site).filter((name) => name !== 'service_worker.js').sort();
      assert.deepEqual(Object.keys(listed).sort(), files);
      for (const name of files) {
        const hash = crypto.createHash('sha256').update(fs.readFileSync(path.join(site, name))).digest('hex');
        assert.equal(listed[name], hash, `${name}'s hash`);
      }
    });
  } finally {
    await server.close();
  }
}

// Offline after the first load, on a server of its own that is then stopped.
async function offlineStep({ step, browser, site }) {
  await step('the worker controls the page, caches exactly the site, and a reload with the server gone shows the first frame', async () => {
    const server = await serve(site);
    const { page, errors, close } = await freshPage(browser, server.url);
    try {
      // Ready once a worker has installed and activated; never, where none registered.
      assert.ok(await page.evaluate(() => Promise.race([
        navigator.serviceWorker.ready.then(() => true),
        new Promise((resolve) => setTimeout(() => resolve(false), 15000))])), 'no worker became active');
      await page.reload({ waitUntil: 'load' });
      await untilLoaded(page);
      assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null), 'no worker controls the page');
      const cached = await page.evaluate(async () => {
        const names = await caches.keys();
        const all = await Promise.all(names.map(async (name) =>
          (await (await caches.open(name)).keys()).map((request) => request.url)));
        return { names, urls: all.flat() };
      });
      const expected = siteFiles(site).filter((name) => name !== 'service_worker.js')
        .map((name) => new URL(name, server.url).href).sort();
      assert.equal(cached.names.length, 1, `caches: ${cached.names}`);
      assert.deepEqual(cached.urls.sort(), expected);
      await server.close();
      const after = await reloaded(page);
      assert.equal(after.count, '0');
      assert.deepEqual(errors, []);
    } finally {
      await close();
      await server.close().catch(() => {});
    }
  });
}

module.exports = { keptRunSteps, offlineStep };
