// Zubrik: the main picture's frames in the page, against the ones the headless game wrote: recorded, compared, waited for.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

const assert = require('assert/strict');
const fs = require('fs');
const path = require('path');
const { sleep } = require('./player');

// Every picture the main picture box puts on its canvas, read back from the
// canvas itself as base64 RGBA and numbered in order; the last 100 are kept.
function recordFrames() {
  const put = CanvasRenderingContext2D.prototype.putImageData;
  window.zubrikFrames = { count: 0, kept: [] };
  CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    put.apply(this, args);
    const canvas = this.canvas;
    if (canvas.dataset.control !== 'Pic') return;
    const bytes = this.getImageData(0, 0, canvas.width, canvas.height).data;
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000)
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    const frames = window.zubrikFrames;
    frames.kept.push({ index: frames.count++, width: canvas.width, height: canvas.height, rgba: btoa(text) });
    if (frames.kept.length > 100) frames.kept.shift();
  };
}

// The expected frames in `dir`, PPM files: by name, and every one named
// `prefix`-n, in the order of n.
function expectedFrames(dir) {
  function readPpm(name) {
    const data = fs.readFileSync(path.join(dir, name + '.ppm'));
    const header = data.toString('latin1', 0, 32).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
    assert.ok(header, `${name}.ppm is no binary PPM`);
    return { name, width: +header[1], height: +header[2], rgb: data.subarray(header[0].length) };
  }
  function framesNamed(prefix) {
    return fs.readdirSync(dir).map((file) => file.match(new RegExp(`^${prefix}-(\\d+)\\.ppm$`)))
      .filter(Boolean).map((m) => +m[1]).sort((a, b) => a - b).map((n) => readPpm(`${prefix}-${n}`));
  }
  return { readPpm, framesNamed };
}

// Where a frame from the canvas first differs from an expected one; null when
// they are the same to the pixel (every pixel opaque).
function difference(frame, expected) {
  if (frame.width !== expected.width || frame.height !== expected.height)
    return `size ${frame.width}x${frame.height}, expected ${expected.width}x${expected.height}`;
  const rgba = Buffer.from(frame.rgba, 'base64');
  for (let i = 0, j = 0; j < expected.rgb.length; i += 4, j += 3) {
    if (rgba[i] !== expected.rgb[j] || rgba[i + 1] !== expected.rgb[j + 1]
        || rgba[i + 2] !== expected.rgb[j + 2] || rgba[i + 3] !== 255) {
      const at = j / 3;
      return `pixel ${at % frame.width},${Math.floor(at / frame.width)} is `
        + `${[...rgba.subarray(i, i + 4)]}, expected ${[...expected.rgb.subarray(j, j + 3)]},255`;
    }
  }
  return null;
}

// The frames since `from`, repeats of the one before left out (a redraw of
// the same picture is no new frame).
async function framesSince(page, from) {
  const frames = await page.evaluate((start) => window.zubrikFrames.kept.filter((f) => f.index >= start), from);
  return frames.filter((frame, i) => i === 0 || frame.rgba !== frames[i - 1].rgba);
}

// Frame by frame: a flight passes some pictures twice (up and down alike).
function assertSequence(frames, expected) {
  const names = frames.map((frame, i) => (expected[i] && !difference(frame, expected[i])
    ? expected[i] : expected.find((e) => !difference(frame, e)) || { name: '?' }).name);
  assert.deepEqual(names, expected.map((e) => e.name), 'the frames shown, in order');
}

const frameCount = (page) => page.evaluate(() => window.zubrikFrames.count);

// Until the picture has stood still for a while (a landing, a pause).
async function untilStill(page, quiet = 300, bound = 10000) {
  let count = await frameCount(page);
  for (let still = 0, waited = 0; still < quiet; waited += 50) {
    assert.ok(waited < bound, 'the picture never stood still');
    await sleep(50);
    const now = await frameCount(page);
    still = now === count ? still + 50 : 0;
    count = now;
  }
}

// Until `count` frames have been put on the canvas in all (repeats too).
async function untilDrawn(page, count, bound = 10000) {
  await page.waitForFunction((n) => window.zubrikFrames.count >= n, { timeout: bound }, count);
}

// Until the last frame put on the canvas is one of `expected`; resolves to it.
async function untilShows(page, expected, bound = 5000) {
  const wanted = [].concat(expected);
  let seen = 'no frame';
  for (const deadline = Date.now() + bound; Date.now() < deadline; await sleep(50)) {
    const frame = await page.evaluate(() => window.zubrikFrames.kept[window.zubrikFrames.kept.length - 1]);
    if (!frame) continue;
    const misses = wanted.map((e) => difference(frame, e));
    if (misses.includes(null)) return frame;
    seen = misses[0];
  }
  return assert.fail(`${wanted.length > 1 ? 'none of ' : ''}${wanted.map((e) => e.name).join(', ')} shown: ${seen}`);
}

module.exports = { recordFrames, expectedFrames, difference, framesSince, assertSequence, frameCount, untilStill,
                   untilDrawn, untilShows };
