// Zubrik: one run of the player's script on the game's page: each step through the browser's input, each check waited for.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

const { difference } = require('./expected_frames');
const { PageKeys } = require('./page_keys');
const { parse } = require('./scenario_script');

const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

// Set in the page before its scripts: every new picture the main picture box
// puts on its canvas, read back from the canvas as base64 RGBA. A redraw of
// the same picture is no new frame. The player takes them as they come.
function recordFrames() {
  const put = CanvasRenderingContext2D.prototype.putImageData;
  const frames = (window.zubrikFrames = { kept: [], last: null });
  CanvasRenderingContext2D.prototype.putImageData = function (...args) {
    put.apply(this, args);
    const canvas = this.canvas;
    if (canvas.dataset.control !== 'Pic') return;
    const bytes = this.getImageData(0, 0, canvas.width, canvas.height).data;
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000)
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    if (text === frames.last) return;
    frames.last = text;
    frames.kept.push({ width: canvas.width, height: canvas.height, rgba: btoa(text) });
  };
}

// The page's element for a window (FORM, or Box: the message box up) or a
// control (FORM.NAME, FORM.NAME(i)).
function selectorOf(name) {
  const [form, control] = name.split(/\.(.*)/);
  const window = form === 'Box' ? 'dialog[data-message][open]' : `[data-form="${form}"]`;
  return control ? `${window} [data-control="${control}"]` : window;
}

// What the player sees of an element; runs in the page.
function seen(selector, what) {
  const el = document.querySelector(selector);
  if (what === 'shown') return !!el && el.getClientRects().length > 0;
  if (!el) return null;
  const style = getComputedStyle(el);
  const box = el.getBoundingClientRect();
  const scale = box.width / el.offsetWidth;
  switch (what) {
    case 'caption': return (el.dataset.form ? el.querySelector('.title .caption') : el).textContent;
    case 'enabled': return !el.disabled && el.getAttribute('aria-disabled') !== 'true';
    case 'focus': { // true, or where the focus is
      const at = document.activeElement;
      return at === el || (at && (at.dataset.control || at.dataset.form || at.tagName));
    }
    case 'box': return `${el.querySelector('.title').textContent} | ${el.querySelector('.prompt').textContent}`;
    case 'look': {
      const text = document.createRange();
      text.selectNodeContents(el);
      const ink = text.getBoundingClientRect();
      const left = box.left + el.clientLeft * scale;
      const right = left + el.clientWidth * scale;
      return { back: style.backgroundColor, fore: style.color,
               marginLeft: (ink.left - left) / scale, marginRight: (right - ink.right) / scale };
    }
    default: { // a point in the client area, or its centre
      const [x, y] = what;
      if (x === null) return { x: box.left + box.width / 2, y: box.top + box.height / 2 };
      return { x: box.left + (el.clientLeft + x + 0.5) * scale, y: box.top + (el.clientTop + y + 0.5) * scale };
    }
  }
}

// rgb(r, g, b) as RRGGBB, and a colour's relative luminance.
const hex = (css) => (css.match(/\d+/g) || []).slice(0, 3).map((c) => (+c).toString(16).padStart(2, '0'))
  .join('').toUpperCase();
const luminance = (rrggbb) => [0, 2, 4].map((at) => parseInt(rrggbb.substr(at, 2), 16) / 255)
  .map((c) => (c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4))
  .reduce((sum, c, i) => sum + c * [0.2126, 0.7152, 0.0722][i], 0);

// The DOM shows a caption's CR LF as a line break.
const shownText = (text) => text.replace(/\r\n/g, '\n');

class ScenarioPlayer {
  constructor(page, browserName, expected) {
    this.page = page;
    this.keys = new PageKeys(page, browserName);
    this.expected = expected;
    this.bound = 5000;
    this.pending = []; // frames drawn since the last frame checked
    this.lastSeen = null;
  }

  // Asks `probe` until it answers { ok: true }, at most `bound` ms; a failure
  // says what was seen last.
  async until(what, probe, bound = this.bound) {
    for (const deadline = Date.now() + bound; ;) {
      const { ok, saw } = await probe();
      if (ok) return;
      if (Date.now() > deadline) throw new Error(`${what}: saw ${saw} for ${bound / 1000} s`);
      await sleep(25);
    }
  }

  see(selector, what) {
    return this.page.evaluate(seen, selector, what);
  }

  async untilSeen(name, what, wanted, text = JSON.stringify(wanted), selector = selectorOf(name)) {
    await this.until(`${what} ${name} ${text}`, async () => {
      const value = await this.see(selector, what);
      return { ok: value === wanted, saw: JSON.stringify(value) };
    });
  }

  // Where the mouse goes: an element's centre or a point of its client area,
  // once it is on screen.
  async pointAt(name, selector, x = null, y = null) {
    await this.untilSeen(name, 'shown', true, '', selector);
    return this.see(selector, [x, y]);
  }

  async pullFrames() {
    const taken = await this.page.evaluate(() => window.zubrikFrames.kept.splice(0));
    for (const frame of taken) this.pending.push({ ...frame, rgba: Buffer.from(frame.rgba, 'base64') });
    return this.pending.length ? this.pending[this.pending.length - 1] : this.lastSeen;
  }

  describe(frame, like) {
    return this.expected.which(frame, [...this.expected.frames.values()])
      || `no expected frame (against ${like.name}: ${difference(frame, like)})`;
  }

  async frame(pattern) {
    const candidates = this.expected.named(pattern);
    let latest = null;
    await this.until(`frame ${pattern}`, async () => {
      latest = await this.pullFrames();
      if (!latest) return { ok: false, saw: 'no frame' };
      const ok = !!this.expected.which(latest, candidates);
      return { ok, saw: ok || this.describe(latest, candidates[0]) };
    });
    this.lastSeen = latest;
    this.pending = [];
  }

  // From the frame last seen, every frame in order until standing again.
  async frames(prefix) {
    const sequence = this.expected.sequence(prefix);
    let at = this.lastSeen ? this.expected.position(sequence, this.lastSeen, 0, true) : 0;
    if (at < 0) throw new Error(`frames ${prefix}: the frame seen before, ${this.describe(this.lastSeen, sequence[0])}, is none of them`);
    await this.until(`frames ${prefix}`, async () => {
      await this.pullFrames();
      for (const frame of this.pending) {
        const next = this.expected.position(sequence, frame, at);
        if (next < 0) throw new Error(`frames ${prefix}: after ${sequence[at].name} came ${this.describe(frame, sequence[at])}`);
        at = next;
        this.lastSeen = frame;
      }
      this.pending = [];
      return { ok: at === sequence.length - 1, saw: `${sequence[at].name} last` };
    }, 10000);
  }

  async look(name, { back, align }) {
    let saw = null;
    await this.until(`look ${name}`, async () => {
      saw = await this.see(selectorOf(name), 'look');
      return { ok: saw && hex(saw.back) === back.toUpperCase(), saw: JSON.stringify(saw) };
    });
    const [fore, face] = [luminance(hex(saw.fore)), luminance(back)];
    // Dark on the face: WCAG's contrast for text, the darker of the two.
    if (fore >= face || (face + 0.05) / (fore + 0.05) < 4.5) throw new Error(`look ${name}: text ${saw.fore} on ${back}`);
    if (Math.abs(align === 'right' ? saw.marginRight : saw.marginLeft) > 1)
      throw new Error(`look ${name}: the text ${saw.marginLeft.toFixed(1)} px from the left edge, `
        + `${saw.marginRight.toFixed(1)} px from the right, not hugging the ${align || 'left'} one`);
  }

  async exit(status) {
    await this.until(`exit ${status}`, async () => {
      const end = await this.page.evaluate(() => ({ status: window.zubrik.exitCode,
                                                    note: !document.getElementById('note').hidden }));
      return { ok: end.note && end.status === status, saw: JSON.stringify(end) };
    });
  }

  // Lines of the script's language, played one after the other.
  async lines(text) {
    for (const step of parse(`start\n${text}`, 'lines')[0].steps.slice(1)) await this.play(step);
  }

  async play({ verb, args, options }) {
    const mouse = this.page.mouse;
    switch (verb) {
      case 'start': return this.untilSeen('Form1', 'shown', true);
      case 'click': {
        const at = await this.pointAt(args[0], selectorOf(args[0]));
        for (let i = 0; i < +(options.times || 1); ++i) await mouse.click(at.x, at.y);
        return;
      }
      case 'click-at': {
        const at = await this.pointAt(args[0], selectorOf(args[0]), +args[1], +args[2]);
        return mouse.click(at.x, at.y);
      }
      case 'key': return args[1] ? this.keys.sendTo(selectorOf(args[1]), args[0]) : this.keys.press(args[0]);
      case 'close': {
        // A window without a title bar (the ending's) has no close box, but
        // the desktop may still ask it to close; the page has no such request
        // of its own, so it is posted as a close box would post it.
        const posted = await this.page.evaluate((form) => {
          const shell = window.ZubrikShell;
          for (const [address, shown] of shell.forms)
            if (shown.name === form && !shown.bordered) {
              shell.post('close', address);
              return true;
            }
          return false;
        }, args[0]);
        if (posted) return undefined;
        const at = await this.pointAt(`${args[0]}'s close box`, `${selectorOf(args[0])} > .title .close`);
        return mouse.click(at.x, at.y);
      }
      case 'frame': return this.frame(args[0]);
      case 'frames': return this.frames(args[0]);
      case 'caption': return this.untilSeen(args[0], 'caption', shownText(args[1]));
      case 'enabled': case 'disabled':
        for (const name of args) await this.untilSeen(name, 'enabled', verb === 'enabled', '');
        return;
      case 'focus': return this.untilSeen(args[0], 'focus', true, '');
      case 'shown': case 'gone': return this.untilSeen(args[0], 'shown', verb === 'shown', '');
      case 'box': return this.untilSeen('Box', 'box', `${args[0]} | ${shownText(args[1])}`);
      case 'look': return this.look(args[0], options);
      case 'exit': return this.exit(+args[0]);
      default: throw new Error(`no step ${verb}`);
    }
  }
}

module.exports = { ScenarioPlayer, recordFrames, selectorOf };
