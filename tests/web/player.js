// Zubrik: a player's moves on the game's page, shared by the screenshots and the measurements.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

const selector = (control) => `[data-control="${control}"]`;
const counter = (page) => page.$eval(selector('Lbl_count'), (el) => el.textContent);

async function untilLoaded(page) {
  await page.waitForFunction(() => window.zubrik && window.zubrik.firstFrame !== null, { timeout: 10000 });
}

async function dismissMessage(page) {
  await page.click('dialog[data-message][open] button');
  await page.waitForFunction(() => !document.querySelector('dialog[data-message][open]'), { timeout: 5000 });
}

const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

// Presses ジャンプ until a press counts, leaving the box of the new count
// open if it has one. Two presses count in one flight; a press that did not
// count waits a little for the landing, and answers the box of the count
// standing, which such a press shows again.
async function jump(page) {
  const before = await counter(page);
  for (const deadline = Date.now() + 5000; ; await sleep(50)) {
    if (Date.now() > deadline) throw new Error(`no press counted, the counter stands at ${before}`);
    await page.click(selector('Cmd_jump'));
    if (await counter(page) !== before) return;
    if (await page.$('dialog[data-message][open]')) await dismissMessage(page);
  }
}

// Jumps until the counter reads `count`, answering the boxes on the way.
async function jumpTo(page, count) {
  while (Number(await counter(page)) < count) {
    await jump(page);
    if (await page.$('dialog[data-message][open]')) await dismissMessage(page);
  }
}

// From at least 31 jumps: the key code typed during a pause, then the pause let go.
async function unlockHiddenMode(page) {
  await jumpTo(page, 31);
  await page.click(selector('Cmd_pause'));
  await page.focus(selector('Cmd_jump'));
  for (const key of ['ArrowUp', 'ArrowUp', 'KeyA', 'ArrowRight', 'KeyB', 'ArrowDown',
                     'ArrowLeft', 'ArrowLeft', 'KeyA', 'ArrowDown'])
    await page.keyboard.press(key);
  await page.click(selector('Cmd_pause'));
}

module.exports = { sleep, selector, counter, untilLoaded, dismissMessage, jump, jumpTo, unlockHiddenMode };
