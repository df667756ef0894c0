// Zubrik: the player's script played on the page in one browser, then the picture on sharp and touch screens, the window on a narrow one, and each window as assistive technology reads it.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: node scenario.js chromium|firefox SITE COUNTER_SITE FRAMES SCENARIO OUTDIR
// SITE is the built game, COUNTER_SITE the page whose counter starts at the
// address's query (`start count=N`), FRAMES the PPM files
// zubrik_expected_frames wrote, SCENARIO the script, OUTDIR where the
// screenshots go. Each step prints "ok" or "FAILED" with what it saw; a failed
// step ends its run (the steps after it stand on it). The exit status is 1 if
// any step failed.
'use strict';

const fs = require('fs');
const path = require('path');
const { launch } = require('./browsers');
const { ExpectedFrames } = require('./expected_frames');
const { parse } = require('./scenario_script');
const { ScenarioPlayer, recordFrames } = require('./scenario_player');
const { checkSharpScreen, checkNarrowScreen } = require('./screen_checks');
const { checkAccessibility } = require('./accessibility_checks');
const { serve } = require('./site_server');

const [browserName, site, counterSite, framesDir, scenarioFile, outDir] = process.argv.slice(2);

// An argument as the script writes it.
const quoted = (arg) => (/[ \r\n]/.test(arg) || !arg ? `"${arg.replace(/\r\n/g, '\\r\\n')}"` : arg);

// A page as the game opens on a desktop, its frames and its errors recorded.
async function openPage(browser, viewport, url) {
  const page = await browser.newPage();
  const errors = [];
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  page.on('pageerror', (error) => errors.push(String(error.message || error)));
  await page.setViewport(viewport);
  await page.evaluateOnNewDocument(recordFrames);
  await page.goto(url, { waitUntil: 'load' });
  return { page, errors };
}

async function main() {
  const runs = parse(fs.readFileSync(scenarioFile, 'utf8'), path.basename(scenarioFile));
  const expected = new ExpectedFrames(framesDir);
  fs.mkdirSync(outDir, { recursive: true });
  const server = await serve(site);
  const counterServer = await serve(counterSite);
  const browser = await launch(browserName);
  let failures = 0;
  const started = Date.now();
  const report = async (what, body) => {
    const from = Date.now();
    try {
      await body();
      console.log(`ok      ${what} (${Date.now() - from} ms)`);
      return true;
    } catch (error) {
      ++failures;
      console.log(`FAILED  ${what}: ${error.message}`);
      return false;
    }
  };
  try {
    for (const run of runs) {
      const count = run.steps[0].options.count;
      const url = count === undefined ? server.url : `${counterServer.url}?${count}`;
      const { page, errors } = await openPage(browser, { width: 1024, height: 768 }, url);
      const player = new ScenarioPlayer(page, browserName, expected);
      let played = 0;
      for (const step of run.steps) {
        const source = [step.verb, ...step.args.map(quoted), ...Object.entries(step.options).map((o) => o.join('='))];
        if (!await report(`${path.basename(scenarioFile)}:${step.line} ${source.join(' ')}`,
                          () => player.play(step))) break;
        ++played;
      }
      if (played < run.steps.length - 1) console.log(`        ${run.steps.length - played - 1} step(s) after it not played`);
      await report(`no error on the page of the run from line ${run.line}`, async () => {
        if (errors.length) throw new Error(errors.join('; '));
      });
      await page.close();
    }
    for (const ratio of [2, 3])
      await report(`the first frame in blocks of ${ratio} x ${ratio} device pixels, on a screenshot`,
                   () => checkSharpScreen({ browser, openPage, url: server.url, expected, ratio, outDir, browserName }));
    await report('the windows scaled to fit a screen 360 CSS pixels wide, a tap picking on it',
                 () => checkNarrowScreen({ browser, openPage, url: server.url, expected, outDir, browserName }));
    await report('no serious or critical accessibility rule broken on any window; one heading; Tab in reading order',
                 () => checkAccessibility({ browser, openPage,
                                            urls: { game: server.url, ending: `${counterServer.url}?999998` } }));
    const touch = browserName === 'firefox' ? await launch(browserName, { touch: true }) : browser;
    try {
      const tablet = { width: 768, height: 1024, isMobile: true, hasTouch: true };
      await report('on a touch tablet, the first frame as large as whole device pixels fit, on a screenshot',
                   () => checkSharpScreen({ browser: touch, openPage, url: server.url, expected, ratio: 2, outDir,
                                            browserName, screen: tablet, fills: true }));
    } finally {
      if (touch !== browser) await touch.close();
    }
    await report('full screen through the page\'s switch, the first frame larger in whole device pixels, on a screenshot',
                 () => checkSharpScreen({ browser, openPage, url: server.url, expected, ratio: 1, outDir, browserName,
                                          screen: { width: 1280, height: 800 }, fills: true, fullScreen: true }));
  } finally {
    await browser.close();
    await server.close();
    await counterServer.close();
  }
  console.log(`${browserName}: ${failures} failed, in ${((Date.now() - started) / 1000).toFixed(1)} s`);
  process.exit(failures ? 1 : 0);
}

main().catch((error) => {
  console.log(`FAILED  ${error.stack || error}`);
  process.exit(1);
});
