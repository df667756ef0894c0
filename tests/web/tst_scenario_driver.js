// Zubrik: the browser driver's own parts, without a browser: the script's reading, frames in sequence, screenshots' pixels.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

const assert = require('assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const test = require('node:test');
const zlib = require('zlib');
const { ExpectedFrames, difference } = require('./expected_frames');
const { keyNamed } = require('./page_keys');
const { decodePng } = require('./png');
const { parse } = require('./scenario_script');
const { blockDifference } = require('./screen_checks');

test('the script reads into runs of steps, quoted words whole, comments left out', () => {
  const runs = parse([
    '# a comment line',
    'start',
    'caption Form2.Chara "◆まんが肉\\r\\nよく # not a comment"  # but this is',
    'click Form1.Cmd_jump times=3',
    '',
    'start count=999998',
    'enabled A.b A.c(2) A.d',
    'look Form1.Lbl_count back=C0FFC0 align=right',
    'caption Form1.Lbl_count ""',
  ].join('\n'));
  assert.deepEqual(runs.map((run) => run.steps.map((step) => [step.line, step.verb, step.args, step.options])), [
    [[2, 'start', [], {}], [3, 'caption', ['Form2.Chara', '◆まんが肉\r\nよく # not a comment'], {}],
     [4, 'click', ['Form1.Cmd_jump'], { times: '3' }]],
    [[6, 'start', [], { count: '999998' }], [7, 'enabled', ['A.b', 'A.c(2)', 'A.d'], {}],
     [8, 'look', ['Form1.Lbl_count'], { back: 'C0FFC0', align: 'right' }],
     [9, 'caption', ['Form1.Lbl_count', ''], {}]],
  ]);
});

test('a slip in the script is refused with its line, never played as something else', () => {
  for (const [text, message] of [
    ['start\njump Form1', /s:2: no verb "jump"/],
    ['start\ncaption Form1 "Zubrik', /s:2: a quote left open/],
    ['click Form1.Cmd_jump', /s:1: a step before the first start/],
    ['start\nframe', /s:2: frame with 0 argument/],
    ['start\nkey a Form1 Form2', /s:2: key with 3 argument/],
    ['start\nclick Form1.Cmd_jump count=2', /s:2: click takes no count=/],
    ['start\n"start"', /s:2: no verb "start"/],
  ]) assert.throws(() => parse(text, 's'), message, text);
});

test('the player\'s script itself reads, every run to the game\'s end, every key one the driver types', () => {
  const file = path.join(__dirname, '..', 'scenario', 'player.scenario');
  const runs = parse(fs.readFileSync(file, 'utf8'), 'player.scenario');
  for (const run of runs) assert.equal(run.steps[run.steps.length - 1].verb, 'exit', `the run from line ${run.line}`);
  for (const step of runs.flatMap((run) => run.steps).filter((s) => s.verb === 'key')) keyNamed(step.args[0].replace(/^shift\+/, ''));
});

// Frames of 2 x 1 pixels, each named by its colours.
function framesDir(frames) {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'zubrik-frames-'));
  for (const [name, rgb] of Object.entries(frames))
    fs.writeFileSync(path.join(dir, `${name}.ppm`), Buffer.concat([Buffer.from('P6\n2 1\n255\n'), Buffer.from(rgb)]));
  return dir;
}
const picture = (rgb) => ({ width: 2, height: 1, rgba: Buffer.from([rgb[0], rgb[1], rgb[2], 255, rgb[3], rgb[4], rgb[5], 255]) });

test('a flight\'s frames in order: numbers counted, a picture passed twice, a pause where its frame is', () => {
  const colours = { standing: [0, 0, 0, 0, 0, 0], 'flight-1': [1, 0, 0, 0, 0, 0], 'flight-2': [2, 0, 0, 0, 0, 0],
                    'flight-10': [1, 0, 0, 0, 0, 0], 'paused-2': [2, 0, 0, 9, 9, 9],
                    'replay-1': [3, 0, 0, 0, 0, 0], 'paused-replay-1': [3, 0, 0, 9, 9, 9] };
  const dir = framesDir(colours);
  try {
    const expected = new ExpectedFrames(dir);
    const flight = expected.sequence('flight');
    assert.deepEqual(flight.map((frame) => frame.name), ['standing', 'flight-1', 'flight-2', 'flight-10', 'standing']);
    const at = (name, from, pausedToo) => expected.position(flight, picture(colours[name]), from, pausedToo);
    assert.equal(at('standing', 0), 0);
    assert.equal(at('standing', 1), 4, 'standing again once the flight has begun');
    assert.equal(at('flight-10', 2), 3, 'the way down passes the way up\'s picture');
    assert.equal(at('flight-1', 4), -1, 'back after landing');
    assert.equal(at('replay-1', 0), -1, 'a replay\'s frame in a flight');
    assert.equal(at('paused-2', 0, true), 2);
    assert.equal(at('paused-2', 0, false), -1, 'a pause in the middle of what should run on');
    assert.equal(expected.position(expected.sequence('replay'), picture(colours['paused-replay-1']), 0, true), 1);
    assert.deepEqual(expected.named('paused-*').map((frame) => frame.name), ['paused-2']);
    assert.throws(() => expected.named('flight-3'), /no expected frame flight-3/);
  } finally {
    fs.rmSync(dir, { recursive: true });
  }
});

test('two pictures differ at their first unlike pixel, or in size', () => {
  const a = picture([1, 2, 3, 4, 5, 6]);
  assert.equal(difference(a, picture([1, 2, 3, 4, 5, 6])), null);
  assert.equal(difference(a, picture([1, 2, 3, 4, 5, 7])), 'pixel 1,0 is 4,5,6,255, expected 4,5,7,255');
  assert.match(difference(a, { width: 1, height: 2, rgba: a.rgba }), /size 2x1, expected 1x2/);
});

// A PNG of `rows` (RGB or RGBA bytes), each row filtered by its own type.
function png(width, rows, channels, filters, { depth = 8, interlace = 0 } = {}) {
  const chunk = (type, body) => {
    const length = Buffer.alloc(4);
    length.writeUInt32BE(body.length);
    return Buffer.concat([length, Buffer.from(type, 'latin1'), body, Buffer.alloc(4)]);
  };
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(rows.length, 4);
  header.set([depth, channels === 4 ? 6 : 2, 0, 0, interlace], 8);
  const paeth = (a, b, c) => { const p = a + b - c; const [pa, pb, pc] = [p - a, p - b, p - c].map(Math.abs);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c; };
  const filtered = rows.map((row, y) => Buffer.from([filters[y], ...row.map((v, x) => {
    const a = x >= channels ? row[x - channels] : 0;
    const b = y ? rows[y - 1][x] : 0;
    const c = y && x >= channels ? rows[y - 1][x - channels] : 0;
    return (v - [0, a, b, (a + b) >> 1, paeth(a, b, c)][filters[y]] + 256) & 0xff;
  })]));
  return Buffer.concat([Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]), chunk('IHDR', header),
                        chunk('IDAT', zlib.deflateSync(Buffer.concat(filtered))), chunk('IEND', Buffer.alloc(0))]);
}

test('a screenshot\'s pixels come back through every row filter, RGB or RGBA', () => {
  const rows = [[10, 200, 30, 250, 5, 128], [0, 255, 1, 2, 3, 4], [90, 91, 92, 200, 100, 0],
                [255, 255, 255, 0, 0, 0], [7, 8, 9, 250, 251, 252]];
  const rgb = decodePng(png(2, rows, 3, [0, 1, 2, 3, 4]));
  assert.equal(rgb.width, 2);
  assert.equal(rgb.height, 5);
  assert.deepEqual([...rgb.rgba.subarray(0, 8)], [10, 200, 30, 255, 250, 5, 128, 255]);
  assert.deepEqual([...rgb.rgba.subarray(32, 40)], [7, 8, 9, 255, 250, 251, 252, 255]);
  const rgba = decodePng(png(1, [[1, 2, 3, 4], [200, 100, 50, 0]], 4, [4, 3]));
  assert.deepEqual([...rgba.rgba], [1, 2, 3, 4, 200, 100, 50, 0]);
  assert.throws(() => decodePng(png(1, [[1, 2, 3]], 3, [0], { depth: 16 })), /a PNG of a kind not read here/);
  assert.throws(() => decodePng(png(1, [[1, 2, 3]], 3, [0], { interlace: 1 })), /a PNG of a kind not read here/);
  assert.throws(() => decodePng(png(1, [[1, 2, 3]], 3, [5])), /PNG filter 5 in row 0/);
  assert.throws(() => decodePng(Buffer.from('GIF89a')), /no PNG/);
});

test('a picture on a sharp screen: every pixel a whole block of its colour, and where it is not', () => {
  const frame = picture([255, 0, 0, 0, 0, 255]);
  const ratio = 3;
  // The picture drawn at (1, 2) in a shot 8 x 6: red block, blue block.
  const shot = { width: 8, height: 6, rgba: Buffer.alloc(8 * 6 * 4) };
  for (let y = 2; y < 5; ++y)
    for (let x = 1; x < 7; ++x) shot.rgba.set(x < 4 ? [255, 0, 0, 255] : [0, 0, 255, 255], (y * 8 + x) * 4);
  assert.equal(blockDifference(shot, frame, ratio, 1, 2), null);
  assert.match(blockDifference(shot, frame, ratio, 0, 2).message, /pixel 0,0 is 00000000 at device pixel 0,2/);
  // Smoothing at the edge between the two: one device pixel of a blend.
  shot.rgba.set([128, 0, 128, 255], (3 * 8 + 4) * 4);
  assert.deepEqual(blockDifference(shot, frame, ratio, 1, 2),
                   { at: 1, message: 'pixel 1,0 is 800080ff at device pixel 4,3 of the shot, expected 0000ffff' });
  // A block cut off by the shot's edge is no block.
  const cut = { width: 8, height: 4, rgba: shot.rgba.subarray(0, 8 * 4 * 4) };
  assert.match(blockDifference(cut, frame, ratio, 1, 2).message, /pixel 0,0 is outside it at device pixel 1,4/);
});

test('keys by name: letters and digits where they lie, the keypad\'s digits, Shift around a key', () => {
  assert.deepEqual([keyNamed('b').code, keyNamed('b').keyCode], ['KeyB', 66]);
  assert.deepEqual([keyNamed('3').code, keyNamed('3').key, keyNamed('3').keyCode], ['Digit3', '3', 51]);
  assert.deepEqual([keyNamed('KP_2').code, keyNamed('KP_2').key, keyNamed('KP_2').keyCode, keyNamed('KP_2').webDriver],
                   ['Numpad2', '2', 98, '\uE01C']);
  // With Num Lock off the keypad reports its place and the move it makes.
  for (const move of ['Left', 'Up', 'Right', 'Down', 'Home', 'End'])
    assert.deepEqual([keyNamed(`KP_${move}`).code.startsWith('Numpad'), keyNamed(`KP_${move}`).key,
                      keyNamed(`KP_${move}`).keyCode], [true, keyNamed(move).key, keyNamed(move).keyCode], move);
  for (const name of ['F1', 'KP_10', 'A', 'shift']) assert.throws(() => keyNamed(name), /no key/, name);
});
