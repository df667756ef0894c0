// Zubrik: the page's own in one browser, beyond the player's script: focus kept off labels, the replay's pace, the bell through Web Audio, accessibility, a run-time error, the ending's note.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// Usage: node e2e.js chromium|firefox SITE COUNTER_SITE FRAMES
// SITE is the built game, COUNTER_SITE the page whose counter starts at the
// address's query, FRAMES the PPM files zubrik_expected_frames wrote. Each
// step prints "ok" or "FAILED" with what it saw; the exit status is 1 if any
// failed. What the script (scenario.js) plays is not played again here.
'use strict';

const assert = require('assert/strict');
const { launch } = require('./browsers');
const { ExpectedFrames } = require('./expected_frames');
const { keptRunSteps } = require('./kept_run');
const { ScenarioPlayer, recordFrames } = require('./scenario_player');
const { serve } = require('./site_server');
const { sleep, untilLoaded, unlockHiddenMode } = require('./player');

const [browserName, site, counterSite, framesDir] = process.argv.slice(2);

// Every tone the page starts through Web Audio.
function recordTones() {
  const start = OscillatorNode.prototype.start;
  window.zubrikTones = 0;
  OscillatorNode.prototype.start = function (...args) {
    window.zubrikTones++;
    return start.apply(this, args);
  };
}

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
  const player = new ScenarioPlayer(page, browserName, new ExpectedFrames(framesDir));
  const open = async (url) => {
    await page.goto(url, { waitUntil: 'load' });
    await untilLoaded(page);
  };
  const note = () => page.$eval('#note', (el) => (el.hidden ? null : el.textContent));

  try {
    await step('a press on a label or the picture, which Tab does not reach, leaves the focus', async () => {
      await open(server.url);
      await player.lines(['focus Form1.Cmd_jump', 'click Form1.Lbl_count', 'focus Form1.Cmd_jump',
                          'click Form1.Label1', 'focus Form1.Cmd_jump', 'click Form1.Pic',
                          'focus Form1.Cmd_jump'].join('\n'));
      assert.deepEqual(await page.$$eval('[data-form="Form1"] .label, [data-form="Form1"] .picture',
                                         (all) => all.map((el) => el.tabIndex)), [-1, -1, -1]);
    });

    await step('the replay runs at its own pace: 150 ms a tick, far slower than a jump\'s 20', async () => {
      await player.lines('key space\nframes flight');
      const ticks = player.expected.sequence('replay').length - 1;
      const started = Date.now();
      await player.lines('click Form1.Cmd_replay\nframes replay');
      const took = Date.now() - started;
      assert.ok(took >= 150 * (ticks - 1), `${ticks} ticks in ${took} ms`);
    });

    await step('the key code during a pause rings the bell, through Web Audio once the keys were gestures', async () => {
      const sounds = () => page.evaluate(() => [window.zubrik.beeps, window.zubrikTones]);
      const [beeps, tones] = await sounds();
      await unlockHiddenMode(page);
      const [beepsAfter, tonesAfter] = await sounds();
      assert.equal(beepsAfter, beeps + 1, 'the code rang no bell');
      // (Headless Firefox finds no audio device here: its audio never runs.)
      if (browserName === 'chromium') assert.equal(tonesAfter, tones + 1, 'the bell counted, not sounded');
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
        for (const [form, opener] of [['Form2', 'Cmd_nikusel'], ['Form3', 'Cmd_stgsel']]) {
          await player.lines(`click Form1.${opener}\nshown ${form}`);
          const shown = nodes(await page.accessibility.snapshot({ interestingOnly: false }));
          const dialog = shown.find((node) => node.role === 'dialog');
          assert.ok(dialog && dialog.modal, `${form} is no modal dialog`);
          assert.ok(dialog.name, `${form} has no name`);
          const options = shown.filter((node) => node.role === 'option');
          assert.ok(options.length >= 3 && options.every((option) => option.name && option.description),
                    `${form}'s choices are no named, described options`);
          // Behind a modal dialog the main window is out of reach.
          assert.ok(!shown.some((node) => node.role === 'button' && node.name === 'ジャンプ'),
                    `the main window reachable behind ${form}`);
          await player.lines(`key Escape\ngone ${form}`);
        }
      });
    }

    await step('a run-time error shows its box, then the game stops with status 1 and says why', async () => {
      await open(`${counterServer.url}?12a`);
      await player.lines('click Form1.Cmd_jump\nbox "Zubrik" "実行時エラー \'13\':\\r\\n\\r\\nType mismatch"');
      assert.equal(await page.evaluate(() => window.zubrik.exitCode), null, 'the run ended before the box');
      await player.lines('key Return\ngone Box\nexit 1');
      assert.match(await note(), /^実行時エラーのため/, 'no note that an error stopped the game');
      assert.ok(await page.$$eval('button[data-control]', (all) => all.length && all.every((button) => button.disabled)),
                'a button still answers');
      const wakes = await page.evaluate(() => window.zubrik.wakes);
      await sleep(200);
      assert.equal(await page.evaluate(() => window.zubrik.wakes), wakes, 'a timer still wakes');
    });

    await step('the ending\'s note says the game is over', async () => {
      await open(`${counterServer.url}?999998`);
      await player.lines('click Form1.Cmd_jump\nkey Return\nclick Form4.Command1\nexit 0');
      assert.match(await note(), /^ゲームは終わりました/);
    });

    // KEPT_RUN_SHOT: where to write a screenshot of the page reloaded.
    await keptRunSteps({ step, browser, browserName, site, shot: process.env.KEPT_RUN_SHOT });

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
