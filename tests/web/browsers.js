// Zubrik: Debian's Chromium and Firefox ESR started headless under puppeteer-core, each with a fresh profile.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const names = ['chromium', 'firefox'];

// Resolves to the browser; closing it removes its profile too. With
// `touch`, Firefox takes its pointer for a finger (a coarse pointer with no
// hover), as puppeteer cannot emulate a touch screen there; Chromium's page
// does so itself given a viewport with hasTouch.
async function launch(name, { touch = false } = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), `zubrik-${name}-`));
  const options = name === 'chromium'
    ? {
        browser: 'chrome',
        executablePath: '/usr/bin/chromium',
        headless: true,
        userDataDir: profile,
        // Each fresh context opens a window of its own, and each new window
        // would load its address bar's suggestion popup as a hidden web page
        // in a renderer of its own: busy for about as long as the tab's first
        // frame, on the same cores. A player's browser did that once, when
        // its window opened.
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync',
               '--disable-features=WebUIOmniboxPopup,WebUIOmniboxAimPopup'],
      }
    : {
        browser: 'firefox',
        executablePath: '/usr/bin/firefox-esr',
        headless: true,
        userDataDir: profile,
        // As root Firefox wants a home of its own.
        env: { ...process.env, HOME: profile },
        extraPrefsFirefox: touch ? { 'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1 } : {},
      };
  if (!names.includes(name)) throw new Error(`no browser called ${name}: ${names.join(', ')}`);
  const browser = await puppeteer.launch(options);
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

module.exports = { launch, names };
