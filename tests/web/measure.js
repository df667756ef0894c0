// Zubrik: the page's figures in headless Chromium from 127.0.0.1: its size as served with gzip, the time to the first frame, the timer's pacing.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: node tests/web/measure.js SITE PACING_SITE [LOADS]   (after make
// web-check: build-web and build-wasm/tests/web/pacing-site). Figures, not a
// test: it prints them.
//   size: the bytes the server sent, gzip-compressed, for each file one load
//     of the page fetched, and their total;
//   first frame: window.zubrik.firstFrame, milliseconds from the start of the
//     navigation to the first frame put on the canvas, over LOADS fresh loads
//     (10 by default), median and largest;
//   pacing: the page of the 20 ms timer alone (bench/web/tick_pacing.cpp),
//     500 ticks in a row after the first: the mean and 99th percentile of the
//     gaps between ticks, and the drift, (last tick - first tick) - 499 x 20 ms.
'use strict';

const { launch } = require('./browsers');
const { serve } = require('./site_server');
const { untilLoaded } = require('./player');

const [site, pacingSite, loadsArgument] = process.argv.slice(2);
const loads = Number(loadsArgument || 10);
const interval = 20;
const tickCount = 500;

const percentile = (sorted, p) => sorted[Math.min(sorted.length - 1, Math.ceil((p / 100) * sorted.length) - 1)];
const fixed = (ms) => ms.toFixed(2);

async function main() {
  const server = await serve(site, { gzip: true });
  const pacingServer = await serve(pacingSite);
  const browser = await launch('chromium');
  try {
    const firstFrames = [];
    for (let i = 0; i < loads; ++i) {
      const page = await browser.newPage();
      await page.setCacheEnabled(false);
      await page.goto(server.url, { waitUntil: 'load' });
      await untilLoaded(page);
      firstFrames.push(await page.evaluate(() => window.zubrik.firstFrame));
      await page.close();
    }
    let total = 0;
    console.log('size as served with gzip (one load):');
    for (const [file, bytes] of [...server.served].sort()) {
      console.log(`  ${file.padEnd(36)} ${String(bytes).padStart(8)} bytes`);
      total += bytes;
    }
    console.log(`  ${'total'.padEnd(36)} ${String(total).padStart(8)} bytes (${(total / 1024).toFixed(1)} KiB)`);
    const sorted = [...firstFrames].sort((a, b) => a - b);
    console.log(`first frame over ${loads} loads: median ${fixed(percentile(sorted, 50))} ms, `
      + `max ${fixed(sorted[sorted.length - 1])} ms (in load order: ${firstFrames.map(fixed).join(' ')})`);

    const page = await browser.newPage();
    await page.goto(pacingServer.url, { waitUntil: 'load' });
    await page.waitForFunction((count) => (window.zubrikTicks || []).length > count,
                               { timeout: 60000, polling: 200 }, tickCount);
    // From the second tick: the first waited on the page's start.
    const ticks = await page.evaluate((count) => window.zubrikTicks.slice(1, 1 + count), tickCount);
    const gaps = ticks.slice(1).map((t, i) => t - ticks[i]).sort((a, b) => a - b);
    const mean = (ticks[ticks.length - 1] - ticks[0]) / gaps.length;
    const drift = ticks[ticks.length - 1] - ticks[0] - (tickCount - 1) * interval;
    console.log(`pacing over ${tickCount} ticks: mean ${fixed(mean)} ms, p99 ${fixed(percentile(gaps, 99))} ms, `
      + `min ${fixed(gaps[0])} ms, max ${fixed(gaps[gaps.length - 1])} ms, drift ${fixed(drift)} ms`);
  } finally {
    await browser.close();
    await server.close();
    await pacingServer.close();
  }
}

main().catch((error) => {
  console.error(error.stack || error);
  process.exit(1);
});
