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

// A jump, paused in flight: a press of 一時停止 that comes after the landing
// pauses nothing, so it jumps again until one holds (the button then reads
// 再生). Answers the boxes on the way.
async function pauseAJump(page) {
  for (const deadline = Date.now() + 15000; ;) {
    if (Date.now() > deadline) throw new Error('no press of the pause came before a landing');
    await jump(page);
    if (await page.$('dialog[data-message][open]')) {
      await dismissMessage(page);
      continue;
    }
    await page.click(selector('Cmd_pause'));
    if (await page.$eval(selector('Cmd_pause'), (el) => el.textContent) === '再生') return;
  }
}

// From at least 31 jumps: the key code typed during a pause, then the pause let go.
async function unlockHiddenMode(page) {
  await jumpTo(page, 30);
  await pauseAJump(page);
  for (const key of ['ArrowUp', 'ArrowUp', 'KeyA', 'ArrowRight', 'KeyB', 'ArrowDown',
                     'ArrowLeft', 'ArrowLeft', 'KeyA', 'ArrowDown'])
    await page.keyboard.press(key);
  await page.click(selector('Cmd_pause'));
}

module.exports = { sleep, selector, untilLoaded, dismissMessage, jump, jumpTo, unlockHiddenMode };
