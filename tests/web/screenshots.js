// Zubrik: screenshots of every window of the page, on a desktop, a phone upright and sideways, a tablet and full screen, in both browsers.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: node tests/web/screenshots.js SITE COUNTER_SITE OUTDIR
// Writes OUTDIR/<browser>-<screen>-<window>.png for the main window, both
// dialogs, the 10-jump box, the character select in hidden mode, the last box
// and the ending. Desktop: 1024 x 768 at a ratio of 1; phone: 360 x 740 CSS
// pixels at 3 device pixels each, touch on, and the same turned sideways;
// tablet: 768 x 1024 at 2, touch on; full screen: 1280 x 800 at 1, after a
// click on the page's full-screen switch.
'use strict';

const path = require('path');
const { launch, names } = require('./browsers');
const { serve } = require('./site_server');
const { sleep, selector, untilLoaded, dismissMessage, jump, jumpTo, unlockHiddenMode } = require('./player');

const [site, counterSite, out] = process.argv.slice(2);
const screens = {
  desktop: { width: 1024, height: 768, deviceScaleFactor: 1 },
  phone: { width: 360, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
  sideways: { width: 740, height: 360, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
  tablet: { width: 768, height: 1024, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
  'full-screen': { width: 1280, height: 800, deviceScaleFactor: 1, fullScreen: true },
};

async function shots(browser, name, screen, urls) {
  const page = await browser.newPage();
  const { fullScreen, ...viewport } = screens[screen];
  await page.setViewport(viewport);
  const toFullScreen = async () => {
    if (!fullScreen) return;
    await page.click('#full-screen');
    await page.waitForFunction(() => document.fullscreenElement !== null, { timeout: 5000 });
  };
  const shot = async (window) => {
    await sleep(150);
    await page.screenshot({ path: path.join(out, `${name}-${screen}-${window}.png`) });
  };
  const dialog = async (opener, form, window) => {
    await page.click(selector(opener));
    await page.waitForSelector(`dialog[data-form="${form}"][open]`);
    await shot(window);
    // Full screen, Firefox keeps Escape to leave it: the close box closes alike.
    if (fullScreen) await page.click(`dialog[data-form="${form}"][open] .close`);
    else await page.keyboard.press('Escape');
    await page.waitForSelector(`dialog[data-form="${form}"][open]`, { hidden: true });
  };
  await page.goto(urls.game, { waitUntil: 'load' });
  await untilLoaded(page);
  await toFullScreen();
  await shot('main');
  await dialog('Cmd_nikusel', 'Form2', 'form2');
  await dialog('Cmd_stgsel', 'Form3', 'form3');
  await jumpTo(page, 9);
  await jump(page);
  await page.waitForSelector('dialog[data-message][open]');
  await shot('message-10');
  await dismissMessage(page);
  await unlockHiddenMode(page);
  await sleep(500);
  await dialog('Cmd_nikusel', 'Form2', 'form2-hidden');
  await dialog('Cmd_stgsel', 'Form3', 'form3-hidden');

  await page.goto(urls.ending, { waitUntil: 'load' });
  await untilLoaded(page);
  await toFullScreen();
  await page.click(selector('Cmd_jump'));
  await page.waitForSelector('dialog[data-message][open]');
  await shot('message-999999');
  await dismissMessage(page);
  await page.waitForSelector('dialog[data-form="Form4"][open]');
  await shot('form4');
  await page.close();
}

async function main() {
  const game = await serve(site);
  const counter = await serve(counterSite);
  try {
    for (const name of names) {
      for (const screen of Object.keys(screens)) {
        const browser = await launch(name, { touch: Boolean(screens[screen].hasTouch) });
        try {
          await shots(browser, name, screen, { game: game.url, ending: `${counter.url}?999998` });
        } finally {
          await browser.close();
        }
      }
      console.log(`${name}: done`);
    }
  } finally {
    await game.close();
    await counter.close();
  }
}

main().catch((error) => {
  console.error(error.stack || error);
  process.exit(1);
});
