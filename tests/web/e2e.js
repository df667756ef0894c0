// Zubrik: the page end to end in one browser, as a player uses it: frames, boxes, pause, replay, focus and keys, dialogs, hidden mode, accessibility, the run's two ends, a phone.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: node e2e.js chromium|firefox SITE COUNTER_SITE FRAMES
// SITE is the built game, COUNTER_SITE the page whose counter starts at the
// address's query, FRAMES the PPM files zubrik_expected_frames wrote. Each
// step prints "ok" or "FAILED" with what it saw; the exit status is 1 if any
// failed.
'use strict';

const assert = require('assert/strict');
const { launch } = require('./browsers');
const { serve } = require('./site_server');
const { recordFrames, expectedFrames, framesSince, assertSequence, frameCount, untilStill, untilDrawn,
        untilShows } = require('./frames');
const { sleep, selector, counter, untilLoaded, dismissMessage, jump, jumpTo, pauseAJump,
        unlockHiddenMode } = require('./player');

const [browserName, site, counterSite, framesDir] = process.argv.slice(2);
const { readPpm, framesNamed } = expectedFrames(framesDir);

// Every tone the page starts through Web Audio.
function recordTones() {
  const start = OscillatorNode.prototype.start;
  window.zubrikTones = 0;
  OscillatorNode.prototype.start = function (...args) {
    window.zubrikTones++;
    return start.apply(this, args);
  };
}

const click = (page, control) => page.click(selector(control));
const focused = (page) => page.evaluate(() => (document.activeElement.dataset || {}).control || null);
const tabIndexOf = (page, control) => page.$eval(selector(control), (el) => el.tabIndex);

// "Shift+Tab" and the like: the modifiers held while the last key is pressed.
async function pressKeys(page, keys) {
  const [key, ...held] = keys.split('+').reverse();
  for (const modifier of held) await page.keyboard.down(modifier);
  await page.keyboard.press(key);
  for (const modifier of held) await page.keyboard.up(modifier);
}


// A press on a dialog's strip at (x, y) in its pictures' pixels, by mouse or
// by a finger.
async function pressStrip(page, form, x, y, touch = false) {
  const at = await page.$eval(`dialog[data-form="${form}"] ${selector('Picture1')}`, (el, px, py) => {
    const box = el.getBoundingClientRect();
    const border = parseFloat(getComputedStyle(el).borderLeftWidth) || 0;
    const scale = box.width / (el.width + 2 * border);
    return { x: box.left + (border + px + 0.5) * scale, y: box.top + (border + py + 0.5) * scale };
  }, x, y);
  if (touch) await page.touchscreen.tap(at.x, at.y);
  else await page.mouse.click(at.x, at.y);
}

async function untilForm(page, name, open = true) {
  await page.waitForFunction((form, wanted) =>
    !!document.querySelector(`dialog[data-form="${form}"][open]`) === wanted, { timeout: 5000 }, name, open);
}

// The message box on top: its title and prompt.
async function messageBox(page) {
  const box = await page.waitForSelector('dialog[data-message][open]', { timeout: 5000 });
  return box.evaluate((el) => ({ title: el.querySelector('.title').textContent,
                                 prompt: el.querySelector('.prompt').textContent }));
}


// The strip's choices as the mouse finds them, in pixels of the strip.
const characterAt = (cell) => ({ x: [8, 120, 232, 345][cell] + 46, y: 27 });
const stageAt = (stage) => ({ x: 134 * stage + 66, y: 40 });

async function main() {
  const failures = [];
  const step = async (name, body) => {
    const started = Date.now();
    try {
      await body();
      console.log(`ok      ${name} (${Date.now() - started} ms)`);
    } catch (error) {
      failures.push(name);
      console.log(`FAILED  ${name}: ${error.message}`);
    }
  };

  const server = await serve(site);
  const counterServer = await serve(counterSite);
  const browser = await launch(browserName);
  const page = await browser.newPage();
  await page.setViewport({ width: 1024, height: 768 });
  const consoleErrors = [];
  page.on('console', (message) => { if (message.type() === 'error') consoleErrors.push(message.text()); });
  page.on('pageerror', (error) => consoleErrors.push(String(error.message || error)));
  await page.evaluateOnNewDocument(recordFrames);
  await page.evaluateOnNewDocument(recordTones);

  const standing = readPpm('standing');
  const flight = framesNamed('flight');
  // Until a jump pressed when `from` frames had been drawn has landed.
  const untilLanded = async (from) => {
    await untilDrawn(page, from + flight.length + 1);
    await untilShows(page, standing);
  };
  try {
    await step('the page loads with its first frame and no console error', async () => {
      await page.goto(server.url, { waitUntil: 'load' });
      await untilLoaded(page);
      await untilStill(page, 200);
      assertSequence(await framesSince(page, 0), [standing]);
      assert.equal(await counter(page), '0');
      assert.deepEqual(consoleErrors, []);
    });

    await step('a jump shows every frame of its flight, then the landing', async () => {
      const from = (await frameCount(page)) - 1;
      await click(page, 'Cmd_jump');
      await untilLanded(from + 1);
      await untilStill(page);
      assertSequence(await framesSince(page, from), [standing, ...flight, standing]);
      assert.equal(await counter(page), '1');
    });

    await step('the replay shows the jump again, slowly, with its caption', async () => {
      const from = (await frameCount(page)) - 1;
      const started = Date.now();
      await click(page, 'Cmd_replay');
      const replay = framesNamed('replay');
      await untilDrawn(page, from + replay.length + 2);
      await untilShows(page, standing);
      await untilStill(page, 400);
      assertSequence(await framesSince(page, from), [standing, ...replay, standing]);
      // 150 ms a tick: far slower than a jump's 20.
      assert.ok(Date.now() - started >= 150 * (replay.length - 1), 'the replay ran at a jump\'s speed');
      assert.equal(await counter(page), '1');
    });

    await step('a pause holds the jump with its overlay, a second press goes on', async () => {
      const paused = framesNamed('paused');
      await pauseAJump(page);
      await untilShows(page, paused);
      // Paused, the jump's buttons take no focus.
      assert.equal(await tabIndexOf(page, 'Cmd_jump'), -1);
      const count = await counter(page);
      const before = await frameCount(page);
      await sleep(200);
      assert.equal(await frameCount(page), before, 'frames went on while paused');
      await click(page, 'Cmd_pause');
      await untilShows(page, standing);
      await untilStill(page);
      assertSequence((await framesSince(page, (await frameCount(page)) - 1)), [standing]);
      assert.equal(await counter(page), count, 'the press that went on counted as a jump');
      assert.equal(await tabIndexOf(page, 'Cmd_jump'), 0);
    });

    await step('a press moves the focus to a button Tab reaches, never to a label or the picture', async () => {
      // With no jump in flight, 一時停止 does nothing else.
      await click(page, 'Cmd_pause');
      assert.equal(await focused(page), 'Cmd_pause');
      await click(page, 'Lbl_count');
      await click(page, 'Pic');
      assert.equal(await focused(page), 'Cmd_pause');
      assert.deepEqual([await tabIndexOf(page, 'Lbl_count'), await tabIndexOf(page, 'Pic')], [-1, -1]);
    });

    await step('Tab and Shift+Tab walk the tab order; Enter and Space click the focused button once', async () => {
      const walk = [['Tab', 'Cmd_jump'], ['Shift+Tab', 'Cmd_pause'], ['Tab', 'Cmd_jump'],
                    ['Tab', 'Cmd_nikusel'], ['Tab', 'Cmd_stgsel'], ['Tab', 'Cmd_replay'],
                    ['Shift+Tab', 'Cmd_stgsel'], ['Shift+Tab', 'Cmd_nikusel'], ['Shift+Tab', 'Cmd_jump']];
      for (const [keys, expected] of walk) {
        await pressKeys(page, keys);
        assert.equal(await focused(page), expected, `after ${keys}`);
      }
      // Both would count if the button also clicked by itself: two presses in one flight count.
      for (const key of ['Enter', ' ']) {
        const before = Number(await counter(page));
        const from = await frameCount(page);
        await page.keyboard.press(key);
        await untilLanded(from);
        assert.equal(Number(await counter(page)), before + 1, `${JSON.stringify(key)} on ジャンプ`);
      }
    });

    await step('both dialogs pick by mouse, by touch and by keyboard', async () => {
      const picks = [
        { opener: 'Cmd_nikusel', form: 'Form2', pointer: characterAt(1), frame: 'standing-0-1' },
        { opener: 'Cmd_stgsel', form: 'Form3', keys: ['ArrowRight', 'ArrowRight', 'Enter'], frame: 'standing-1-1' },
        { opener: 'Cmd_nikusel', form: 'Form2', keys: ['End', 'Enter'], frame: 'standing-1-2' },
        { opener: 'Cmd_stgsel', form: 'Form3', pointer: stageAt(2), touch: true, frame: 'standing-2-2' },
      ];
      for (const pick of picks) {
        const how = `${pick.form} by ${pick.touch ? 'touch' : pick.pointer ? 'mouse' : 'keyboard'}`;
        if (pick.pointer) {
          await click(page, pick.opener);
        } else {
          await page.focus(selector(pick.opener));
          await page.keyboard.press('Enter');
        }
        await untilForm(page, pick.form);
        if (pick.pointer) await pressStrip(page, pick.form, pick.pointer.x, pick.pointer.y, pick.touch);
        else for (const key of pick.keys) await page.keyboard.press(key);
        await untilForm(page, pick.form, false);
        await untilShows(page, readPpm(pick.frame)).catch((error) => assert.fail(`${how}: ${error.message}`));
      }
      // Escape leaves the dialog and the game as they were.
      await click(page, 'Cmd_nikusel');
      await untilForm(page, 'Form2');
      // Its one tab stop, the strip, keeps the focus: Tab finds no other.
      for (const keys of ['Tab', 'Shift+Tab']) {
        await pressKeys(page, keys);
        assert.equal(await focused(page), 'Picture1', `after ${keys} in Form2`);
      }
      const from = (await frameCount(page)) - 1;
      await page.keyboard.press('Escape');
      await untilForm(page, 'Form2', false);
      assert.equal((await framesSince(page, from)).length, 1, 'Escape changed the picture');
    });

    await step('the 10-jump box shows with its title', async () => {
      await jumpTo(page, 9);
      assert.equal(await page.$('dialog[data-message][open]'), null, 'a box before 10');
      await jump(page);
      const box = await messageBox(page);
      assert.deepEqual(box, { title: '10回おめでとう', prompt: 'よしよし、10回！' });
      await dismissMessage(page);
      assert.equal(await counter(page), '10');
    });

    await step('the key code during a pause opens the hidden mode', async () => {
      const sounds = () => page.evaluate(() => [window.zubrik.beeps, window.zubrikTones]);
      const [beeps, tones] = await sounds();
      await unlockHiddenMode(page);
      const [beepsAfter, tonesAfter] = await sounds();
      assert.equal(beepsAfter, beeps + 1, 'the code rang no bell');
      // The keys were the player's gestures, so the bell sounds too. (Headless
      // Firefox finds no audio device here: its audio never runs.)
      if (browserName === 'chromium') assert.equal(tonesAfter, tones + 1, 'the bell counted, not sounded');
      await untilStill(page);
      await click(page, 'Cmd_nikusel');
      await untilForm(page, 'Form2');
      await pressStrip(page, 'Form2', characterAt(3).x, characterAt(3).y);
      await untilForm(page, 'Form2', false);
      await untilShows(page, readPpm('standing-2-3'));
    });

    if (browserName === 'chromium') {
      await step('the accessibility tree names every button, describes the picture, has the dialogs modal', async () => {
        const nodes = (tree) => [tree, ...(tree.children || []).flatMap(nodes)];
        const main = nodes(await page.accessibility.snapshot({ interestingOnly: false }));
        const buttons = main.filter((node) => node.role === 'button');
        assert.ok(buttons.length >= 5, `only ${buttons.length} buttons`);
        for (const button of buttons) assert.ok(button.name && button.name.trim(), 'a button without a name');
        const picture = main.find((node) => ['img', 'image'].includes(node.role) && node.description);
        assert.ok(picture && /ステージ「.+」/.test(picture.description), 'no description of the picture');
        for (const form of ['Form2', 'Form3']) {
          await click(page, form === 'Form2' ? 'Cmd_nikusel' : 'Cmd_stgsel');
          await untilForm(page, form);
          const open = nodes(await page.accessibility.snapshot({ interestingOnly: false }));
          const dialog = open.find((node) => node.role === 'dialog');
          assert.ok(dialog && dialog.modal, `${form} is no modal dialog`);
          assert.ok(dialog.name, `${form} has no name`);
          const options = open.filter((node) => node.role === 'option');
          assert.ok(options.length >= 3 && options.every((option) => option.name && option.description),
                    `${form}'s choices are no named, described options`);
          // Behind a modal dialog the main window is out of reach.
          assert.ok(!open.some((node) => node.role === 'button' && node.name === 'ジャンプ'),
                    `the main window reachable behind ${form}`);
          await page.keyboard.press('Escape');
          await untilForm(page, form, false);
        }
      });
    }

    const note = () => page.$eval('#note', (el) => (el.hidden ? null : el.textContent));

    await step('a run-time error shows its box, then the game stops with status 1', async () => {
      await page.goto(`${counterServer.url}?12a`, { waitUntil: 'load' });
      await untilLoaded(page);
      await click(page, 'Cmd_jump');
      assert.deepEqual(await messageBox(page), { title: 'Zubrik', prompt: "実行時エラー '13':\n\nType mismatch" });
      assert.equal(await page.evaluate(() => window.zubrik.exitCode), null, 'the run ended before the box');
      await dismissMessage(page);
      await page.waitForFunction(() => window.zubrik.exitCode !== null, { timeout: 5000 });
      assert.equal(await page.evaluate(() => window.zubrik.exitCode), 1);
      assert.match(await note(), /^実行時エラーのため/, 'no note that an error stopped the game');
      assert.ok(await page.$$eval('button[data-control]', (all) => all.length && all.every((button) => button.disabled)),
                'a button still answers');
      const wakes = await page.evaluate(() => window.zubrik.wakes);
      await sleep(200);
      assert.equal(await page.evaluate(() => window.zubrik.wakes), wakes, 'a timer still wakes');
    });

    await step('the ending comes at 999999 and its button ends the game with status 0', async () => {
      await page.goto(`${counterServer.url}?999998`, { waitUntil: 'load' });
      await untilLoaded(page);
      assert.equal(await counter(page), '999998');
      await click(page, 'Cmd_jump');
      const box = await messageBox(page);
      assert.equal(box.title, '999999回おめでとう');
      await dismissMessage(page);
      await untilForm(page, 'Form4');
      assert.equal(await page.evaluate(() => window.zubrik.exitCode), null, 'the run ended with the ending shown');
      await page.click(`dialog[data-form="Form4"] ${selector('Command1')}`);
      await page.waitForFunction(() => window.zubrik.exitCode !== null, { timeout: 5000 });
      assert.equal(await page.evaluate(() => window.zubrik.exitCode), 0);
      assert.match(await note(), /^ゲームは終わりました/);
      assert.equal(await page.$('dialog[open]'), null, 'a window left open');
    });

    await step('on a phone, the window scaled down, a tap picks what lies under the finger', async () => {
      const phone = await browser.newPage();
      await phone.evaluateOnNewDocument(recordFrames);
      await phone.setViewport({ width: 360, height: 740, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
      await phone.goto(server.url, { waitUntil: 'load' });
      await untilLoaded(phone);
      await phone.tap(selector('Cmd_nikusel'));
      await untilForm(phone, 'Form2');
      const zoom = await phone.$eval('dialog[data-form="Form2"]', (el) => Number(el.style.zoom));
      assert.ok(zoom < 1, `Form2 not scaled down (zoom ${zoom})`);
      await pressStrip(phone, 'Form2', characterAt(1).x, characterAt(1).y, true);
      await untilForm(phone, 'Form2', false);
      await untilShows(phone, readPpm('standing-0-1'));
      await phone.close();
    });

    await step('no console error all along', async () => assert.deepEqual(consoleErrors, []));
  } finally {
    await browser.close();
    await server.close();
    await counterServer.close();
  }
  if (failures.length) {
    console.log(`${failures.length} step(s) failed in ${browserName}`);
    process.exit(1);
  }
}

main().catch((error) => {
  console.log(`FAILED  ${error.stack || error}`);
  process.exit(1);
});
