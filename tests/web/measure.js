// Zubrik: the page's figures in headless Chromium and Firefox: its size as served with gzip, the time to the first frame and its parts, the timer's pacing.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: node tests/web/measure.js SITE PACING_SITE [LOADS] [BROWSER...]
// (after make web-check: build-web and build-wasm/tests/web/pacing-site).
// Figures, not a test: it prints them.
//   size: every file one load fetches, gzip-compressed as a static host
//     would send it, and their total;
//   first frame: LOADS loads (10 by default) in each browser, one browser for
//     all, each load in a fresh context (empty cache, no storage) of a
//     1024 x 768 viewport, the folder served by Python's http.server. From the
//     navigation's start to the first requestAnimationFrame after the stage's
//     first frame was put on its canvas, polled from the document's start;
//     median and slowest, and the median of each part: the wasm fetched, the
//     program instantiated, main started, the frame shown;
//   pacing: the page of the 20 ms timer alone (bench/web/tick_pacing.cpp) in
//     Chromium, 500 ticks in a row after the first: the mean and 99th
//     percentile of the gaps between ticks, and the drift,
//     (last tick - first tick) - 499 x 20 ms.
'use strict';

const { spawn } = require('child_process');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { launch, names } = require('./browsers');
const { serve } = require('./site_server');

const [site, pacingSite, loadsArgument, ...browserArguments] = process.argv.slice(2);
const loads = Number(loadsArgument || 10);
const browsers = browserArguments.length ? browserArguments : names;
const interval = 20;
const tickCount = 500;

const percentile = (sorted, p) => sorted[Math.min(sorted.length - 1, Math.ceil((p / 100) * sorted.length) - 1)];
const median = (values) => percentile([...values].sort((a, b) => a - b), 50);
// A part the page did not mark (NaN, null once out of the page) prints as a dash.
const fixed = (ms) => (Number.isFinite(ms) ? ms.toFixed(1) : '-');

// python3 -m http.server on a port the system picks; resolves to { url, close() }.
function pythonServer(root) {
  const child = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1', '--directory', root],
                      { stdio: ['ignore', 'pipe', 'ignore'] });
  return new Promise((resolve, reject) => {
    let said = '';
    child.once('exit', (code) => reject(new Error(`http.server ended with status ${code}`)));
    child.stdout.on('data', (chunk) => {
      said += chunk;
      const port = /port (\d+)/.exec(said);
      if (!port) return;
      child.stdout.removeAllListeners('data');
      child.stdout.resume();
      child.removeAllListeners('exit');
      resolve({ url: `http://127.0.0.1:${port[1]}/`, close: () => child.kill() });
    });
  });
}

// Runs in the page before its own scripts: each animation frame looks for the
// stage's first frame.
function pollFirstFrame() {
  const poll = () => {
    if (window.zubrik && window.zubrik.firstFrame !== null) {
      window.zubrikFirstPainted = performance.now();
      return;
    }
    requestAnimationFrame(poll);
  };
  requestAnimationFrame(poll);
}

// One load's times, in milliseconds from the navigation's start.
async function oneLoad(browser, url) {
  const context = await browser.createBrowserContext();
  try {
    const page = await context.newPage();
    await page.setViewport({ width: 1024, height: 768 });
    await page.evaluateOnNewDocument(pollFirstFrame);
    await page.goto(url, { waitUntil: 'load' });
    await page.waitForFunction(() => window.zubrikFirstPainted !== undefined, { timeout: 20000, polling: 50 });
    return await page.evaluate(() => {
      const mark = (name) => {
        const found = performance.getEntriesByName(name, 'mark')[0];
        return found ? found.startTime : NaN;
      };
      const wasm = performance.getEntriesByType('resource').find((entry) => entry.name.endsWith('.wasm'));
      return { fetched: wasm ? wasm.responseEnd : NaN, instantiated: mark('zubrik-instantiated'),
               started: mark('zubrik-main'), put: mark('zubrik-first-frame'), painted: window.zubrikFirstPainted };
    });
  } finally {
    await context.close();
  }
}

async function firstFrames(name, url) {
  const browser = await launch(name);
  try {
    const times = [];
    for (let i = 0; i < loads; ++i) times.push(await oneLoad(browser, url));
    const painted = times.map((t) => t.painted);
    const sorted = [...painted].sort((a, b) => a - b);
    console.log(`${name}: first frame over ${loads} loads: median ${fixed(median(painted))} ms, `
      + `slowest ${fixed(sorted[sorted.length - 1])} ms (in load order: ${painted.map(fixed).join(' ')})`);
    const part = (key) => fixed(median(times.map((t) => t[key])));
    console.log(`  medians from the navigation's start: wasm fetched ${part('fetched')}, `
      + `instantiated ${part('instantiated')}, main started ${part('started')}, `
      + `frame put ${part('put')}, painted ${part('painted')} ms`);
  } finally {
    await browser.close();
  }
}

// Each file of the folder that a load fetches (all but the licence), as gzip would send it.
function gzipSizes() {
  let total = 0;
  console.log('size as served with gzip:');
  const files = (dir) => fs.readdirSync(dir, { withFileTypes: true }).flatMap((entry) =>
    (entry.isDirectory() ? files(path.join(dir, entry.name)) : [path.join(dir, entry.name)]));
  for (const file of files(site).sort()) {
    if (path.basename(file) === 'LICENSE') continue;
    const bytes = zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length;
    console.log(`  ${path.relative(site, file).padEnd(36)} ${String(bytes).padStart(8)} bytes`);
    total += bytes;
  }
  console.log(`  ${'total'.padEnd(36)} ${String(total).padStart(8)} bytes (${(total / 1024).toFixed(1)} KiB)`);
}

async function pacing() {
  const server = await serve(pacingSite);
  const browser = await launch('chromium');
  try {
    const page = await browser.newPage();
    await page.goto(server.url, { waitUntil: 'load' });
    await page.waitForFunction((count) => (window.zubrikTicks || []).length > count,
                               { timeout: 60000, polling: 200 }, tickCount);
    // From the second tick: the first waited on the page's start.
    const ticks = await page.evaluate((count) => window.zubrikTicks.slice(1, 1 + count), tickCount);
    const gaps = ticks.slice(1).map((t, i) => t - ticks[i]).sort((a, b) => a - b);
    const mean = (ticks[ticks.length - 1] - ticks[0]) / gaps.length;
    const drift = ticks[ticks.length - 1] - ticks[0] - (tickCount - 1) * interval;
    console.log(`pacing over ${tickCount} ticks: mean ${mean.toFixed(2)} ms, p99 ${percentile(gaps, 99).toFixed(2)} ms, `
      + `min ${gaps[0].toFixed(2)} ms, max ${gaps[gaps.length - 1].toFixed(2)} ms, drift ${drift.toFixed(2)} ms`);
  } finally {
    await browser.close();
    await server.close();
  }
}

async function main() {
  gzipSizes();
  const server = await pythonServer(site);
  try {
    for (const name of browsers) await firstFrames(name, server.url);
  } finally {
    server.close();
  }
  if (pacingSite !== '-') await pacing();
}

main().catch((error) => {
  console.error(error.stack || error);
  process.exit(1);
});
