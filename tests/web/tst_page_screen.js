// Zubrik: the page's scale for a window, run under Node: whole device pixels where the window is the page, the small window on a desktop's tab.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

const assert = require('assert');
const fs = require('fs');
const path = require('path');
const vm = require('vm');

const file = path.join(__dirname, '../../platform/web/site/page_screen.js');
const page = { module: { exports: null } };
page.window = {
  ZubrikShell: {},
  ZubrikPage: {},
  matchMedia: () => ({ matches: false, addEventListener() {} }),
};
page.document = { getElementById: () => null, fullscreenEnabled: false };
vm.runInNewContext(fs.readFileSync(file, 'utf8'), { ...page, module: page.module }, { filename: file });
const { scaleFor } = page.module.exports;

// Windows of about the main one's size and the wide stage select's, in CSS pixels.
const main = { width: 305, height: 322 };
const wide = { width: 517, height: 300 };
const cases = [
  // [what, window, room width, room height, ratio, large, device pixels a picture pixel]
  ['desktop tab, ratio 1', main, 1016, 760, 1, false, 1],
  ['desktop tab, ratio 2: no larger than the ratio', main, 1016, 760, 2, false, 2],
  ['desktop tab, ratio 1.25 rounds down', main, 1016, 760, 1.25, false, 1],
  ['desktop tab, ratio 1.5 rounds up', main, 1016, 760, 1.5, false, 2],
  ['desktop tab too small for the ratio: the whole number that fits', main, 1000, 270, 3, false, 2],
  ['desktop tab, a whole number a third too small: fills the room', wide, 352, 700, 1, false, 352 / 517],
  ['tablet 768 x 1024 at 2: as large as fits', main, 760, 984, 2, true, 4],
  ['full screen 1280 x 800 at 1', main, 1272, 760, 1, true, 2],
  ['phone upright 360 x 740 at 3', main, 352, 700, 3, true, 3],
  ['phone sideways 740 x 360 at 3, height the limit', main, 732, 320, 3, true, 2],
  ['an exact fit counts', main, 915, 966, 1, true, 3],
  ['a device pixel short of 3 gives 2', main, 914, 966, 1, true, 2],
  ['ratio 1.5: whole device pixels, not whole CSS pixels', main, 760, 984, 1.5, true, 3],
  ['no whole number fits: shrunk to the room', wide, 352, 700, 1, true, 352 / 517],
];

for (const [what, window, roomWidth, roomHeight, ratio, large, devicePixels] of cases) {
  const zoom = scaleFor({ ...window, roomWidth, roomHeight, ratio, large });
  assert.ok(Math.abs(zoom * ratio - devicePixels) < 1e-9,
            `${what}: ${zoom * ratio} device pixels a picture pixel, expected ${devicePixels}`);
  assert.ok(window.width * zoom <= roomWidth + 1e-9 && window.height * zoom <= roomHeight + 1e-9,
            `${what}: ${window.width * zoom} x ${window.height * zoom} does not fit ${roomWidth} x ${roomHeight}`);
}
console.log(`${cases.length} cases passed`);
