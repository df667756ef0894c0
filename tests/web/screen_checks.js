// Zubrik: what only a browser's screen shows: the main picture on sharp screens, the windows on a narrow one.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

const fs = require('fs');
const path = require('path');
const { decodePng } = require('./png');
const { ScenarioPlayer, selectorOf } = require('./scenario_player');

// The main picture's client area in CSS pixels of the viewport.
const pictureBox = (page) => page.$eval(selectorOf('Form1.Pic'), (el) => {
  const box = el.getBoundingClientRect();
  const scale = box.width / el.offsetWidth;
  return { left: box.left + el.clientLeft * scale, top: box.top + el.clientTop * scale,
           width: el.clientWidth * scale, height: el.clientHeight * scale };
});

const rgba = (pixel) => (pixel < 0 ? 'outside it' : pixel.toString(16).padStart(8, '0'));

// The first pixel of `frame` whose ratio x ratio block in `shot`, from
// (left, top), is not all of its colour, as { at: its index, message }; null
// when every one is.
function blockDifference(shot, frame, ratio, left, top) {
  for (let y = 0; y < frame.height; ++y) {
    for (let x = 0; x < frame.width; ++x) {
      const want = frame.rgba.readUInt32BE((y * frame.width + x) * 4);
      for (let dy = 0; dy < ratio; ++dy) {
        for (let dx = 0; dx < ratio; ++dx) {
          const sx = left + x * ratio + dx;
          const sy = top + y * ratio + dy;
          const got = sx < shot.width && sy < shot.height ? shot.rgba.readUInt32BE((sy * shot.width + sx) * 4) : -1;
          if (got !== want)
            return { at: y * frame.width + x, message: `pixel ${x},${y} is ${rgba(got)} at device pixel `
                     + `${sx},${sy} of the shot, expected ${rgba(want)}` };
        }
      }
    }
  }
  return null;
}

// At a device pixel ratio of `ratio`, the standing frame read from a
// screenshot (not the canvas): each of its pixels exactly n x n device pixels
// of its colour, no smoothing at any edge. On a desktop's tab n is the ratio
// (one CSS pixel a picture pixel, the window as small as it always was);
// where the window is to fill the screen (`fills`: a touch screen, or full
// screen through the page's switch), n is larger than that, and the window
// still fits.
async function checkSharpScreen({ browser, openPage, url, expected, ratio, outDir, browserName,
                                  screen = { width: 1024, height: 768 }, fills = false, fullScreen = false }) {
  const { page } = await openPage(browser, { ...screen, deviceScaleFactor: ratio }, url);
  try {
    await new ScenarioPlayer(page, browserName, expected).lines('frame standing');
    if (fullScreen) {
      await page.click('#full-screen');
      await page.waitForFunction(() => document.fullscreenElement !== null, { timeout: 5000 });
      // The windows fit the new size by the next frame.
      await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
    }
    const box = await pictureBox(page);
    const frame = expected.named('standing')[0];
    const blocks = Math.round((box.width * ratio) / frame.width);
    if (Math.abs(box.width * ratio - blocks * frame.width) > 0.01)
      throw new Error(`the picture is ${box.width * ratio} device pixels wide, not a whole multiple of ${frame.width}`);
    if (!fills && blocks !== ratio)
      throw new Error(`the picture is ${box.width} CSS pixels wide, not ${frame.width}`);
    if (fills) {
      const { window, room } = await page.$eval(selectorOf('Form1'), (el) => ({
        window: el.getBoundingClientRect().toJSON(), room: { width: innerWidth, height: innerHeight } }));
      if (blocks <= ratio) throw new Error(`the picture is no larger than on a desktop: ${blocks} device pixels a pixel`);
      if (window.left < 0 || window.top < 0 || window.right > room.width || window.bottom > room.height)
        throw new Error(`the window spans ${window.left},${window.top} to ${window.right},${window.bottom}, `
                        + `past the ${room.width} x ${room.height} screen`);
    }
    // With a margin: layout puts a box at a fraction of a pixel, and a
    // browser draws it at a whole device pixel near it.
    const margin = 2;
    const clip = { x: Math.floor(box.left) - margin, y: Math.floor(box.top) - margin,
                   width: Math.ceil(box.width) + 2 * margin + 1, height: Math.ceil(box.height) + 2 * margin + 1 };
    const png = Buffer.from(await page.screenshot({ clip, type: 'png' }));
    fs.writeFileSync(path.join(outDir, `${browserName}-${screen.width}x${screen.height}-ratio-${ratio}.png`), png);
    const shot = decodePng(png);
    if (shot.width !== clip.width * ratio) throw new Error(`a shot ${shot.width} pixels wide, not at the ratio ${ratio}`);
    // Wherever near the place layout gave it the picture was drawn.
    const left = Math.round((box.left - clip.x) * ratio);
    const top = Math.round((box.top - clip.y) * ratio);
    let best = { at: -1 };
    for (let dy = -blocks; dy <= blocks; ++dy)
      for (let dx = -blocks; dx <= blocks; ++dx) {
        const found = blockDifference(shot, frame, blocks, left + dx, top + dy);
        if (!found) return;
        if (found.at > best.at) best = found;
      }
    throw new Error(`nowhere within ${blocks} device pixels of its place; at best ${best.message}`);
  } finally {
    await page.close();
  }
}

// On an upright phone, 360 CSS pixels wide: the main window and the widest
// dialog each scaled to fit, and a finger's tap on the scaled strip picking
// what lies under it. The screenshots are for a person to look at.
async function checkNarrowScreen({ browser, openPage, url, expected, outDir, browserName }) {
  const width = 360;
  const { page } = await openPage(browser, { width, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
                                  url);
  const player = new ScenarioPlayer(page, browserName, expected);
  const fits = async (form) => {
    const box = await page.$eval(selectorOf(form), (el) => el.getBoundingClientRect().toJSON());
    if (box.left < 0 || box.right > width) throw new Error(`${form} spans ${box.left} to ${box.right} of ${width}`);
    await page.screenshot({ path: path.join(outDir, `${browserName}-narrow-${form}.png`) });
  };
  try {
    await player.lines('frame standing');
    await fits('Form1');
    await player.lines('click Form1.Cmd_stgsel\nshown Form3');
    await fits('Form3');
    const at = await player.pointAt('Form3.Picture1', selectorOf('Form3.Picture1'), 334, 40);
    await page.touchscreen.tap(at.x, at.y);
    await player.lines('gone Form3\nframe standing-2-0');
  } finally {
    await page.close();
  }
}

module.exports = { checkSharpScreen, checkNarrowScreen, blockDifference };
