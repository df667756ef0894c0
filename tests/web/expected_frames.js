// Zubrik: the frames zubrik_expected_frames wrote, matched pixel for pixel against what a page drew, alone or in sequence.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

const fs = require('fs');
const path = require('path');

// A binary PPM as { name, width, height, rgba }, every pixel opaque.
function readPpm(file) {
  const data = fs.readFileSync(file);
  const header = data.toString('latin1', 0, 32).match(/^P6\s+(\d+)\s+(\d+)\s+255\s/);
  if (!header) throw new Error(`${file} is no binary PPM`);
  const width = +header[1];
  const height = +header[2];
  const rgb = data.subarray(header[0].length);
  if (rgb.length !== width * height * 3) throw new Error(`${file} is cut short`);
  const rgba = Buffer.alloc(width * height * 4, 255);
  for (let i = 0, j = 0; j < rgb.length; i += 4, j += 3) rgb.copy(rgba, i, j, j + 3);
  return { name: path.basename(file, '.ppm'), width, height, rgba };
}

// Where a picture ({ width, height, rgba }) first differs from an expected
// one; null when they are the same to the pixel.
function difference(frame, expected) {
  if (frame.width !== expected.width || frame.height !== expected.height)
    return `size ${frame.width}x${frame.height}, expected ${expected.width}x${expected.height}`;
  if (frame.rgba.equals(expected.rgba)) return null;
  let i = 0;
  while (frame.rgba[i] === expected.rgba[i]) ++i;
  const at = i >> 2;
  const pixel = (rgba) => [...rgba.subarray(at * 4, at * 4 + 4)].join(',');
  return `pixel ${at % frame.width},${Math.floor(at / frame.width)} is ${pixel(frame.rgba)}, `
    + `expected ${pixel(expected.rgba)}`;
}

class ExpectedFrames {
  constructor(dir) {
    this.frames = new Map(fs.readdirSync(dir).filter((file) => file.endsWith('.ppm'))
      .map((file) => readPpm(path.join(dir, file))).map((frame) => [frame.name, frame]));
  }

  // The frames a name stands for: itself, or with * for N every number.
  named(pattern) {
    const shape = new RegExp(`^${pattern.replace(/[-.]/g, '\\$&').replace(/\*/g, '\\d+')}$`);
    const found = [...this.frames.values()].filter((frame) => shape.test(frame.name));
    if (!found.length) throw new Error(`no expected frame ${pattern}`);
    return found;
  }

  // The name of the first frame of `candidates` the picture is, or null.
  which(frame, candidates) {
    const same = candidates.find((expected) => !difference(frame, expected));
    return same ? same.name : null;
  }

  // A jump or a replay as the player sees it: standing, every tick's frame
  // (PREFIX-1, PREFIX-2, ...), standing again.
  sequence(prefix) {
    const ticks = this.named(`${prefix}-*`).map((frame) => +frame.name.slice(prefix.length + 1));
    const names = ['standing', ...ticks.sort((a, b) => a - b).map((n) => `${prefix}-${n}`), 'standing'];
    return names.map((name) => this.named(name)[0]);
  }

  // Where in `sequence` the picture stands, at `from` or later; a paused
  // frame (paused-N of flight-N, paused-replay-N of replay-N) stands where
  // its unpaused one does. -1 if nowhere.
  position(sequence, frame, from = 0, pausedToo = false) {
    for (let at = from; at < sequence.length; ++at) {
      if (!difference(frame, sequence[at])) return at;
      const paused = pausedToo && this.frames.get(`paused-${sequence[at].name.replace(/^flight-/, '')}`);
      if (paused && !difference(frame, paused)) return at;
    }
    return -1;
  }
}

module.exports = { ExpectedFrames, readPpm, difference };
