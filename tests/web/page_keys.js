// Zubrik: the script's keys (X keysym names) typed into a page as a keyboard would, in Chromium and in Firefox.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

// What the browser reports for each: `code`, `key`, the legacy keyCode, the
// character typed if any, and the WebDriver key Firefox is driven with
// (whose table gives the same code and key). The keypad's moves are what it
// sends with Num Lock off: code Numpad4 with key ArrowLeft, and so on.
const named = {
  space: { code: 'Space', key: ' ', keyCode: 32, text: ' ', webDriver: ' ' },
  Return: { code: 'Enter', key: 'Enter', keyCode: 13, text: '\r', webDriver: '\uE006' },
  Tab: { code: 'Tab', key: 'Tab', keyCode: 9, webDriver: '\uE004' },
  Escape: { code: 'Escape', key: 'Escape', keyCode: 27, webDriver: '\uE00C' },
  Left: { code: 'ArrowLeft', key: 'ArrowLeft', keyCode: 37, webDriver: '\uE012' },
  Up: { code: 'ArrowUp', key: 'ArrowUp', keyCode: 38, webDriver: '\uE013' },
  Right: { code: 'ArrowRight', key: 'ArrowRight', keyCode: 39, webDriver: '\uE014' },
  Down: { code: 'ArrowDown', key: 'ArrowDown', keyCode: 40, webDriver: '\uE015' },
  Home: { code: 'Home', key: 'Home', keyCode: 36, webDriver: '\uE011' },
  End: { code: 'End', key: 'End', keyCode: 35, webDriver: '\uE010' },
  KP_Left: { code: 'Numpad4', key: 'ArrowLeft', keyCode: 37, keypad: true, webDriver: '\uE058' },
  KP_Up: { code: 'Numpad8', key: 'ArrowUp', keyCode: 38, keypad: true, webDriver: '\uE059' },
  KP_Right: { code: 'Numpad6', key: 'ArrowRight', keyCode: 39, keypad: true, webDriver: '\uE05A' },
  KP_Down: { code: 'Numpad2', key: 'ArrowDown', keyCode: 40, keypad: true, webDriver: '\uE05B' },
  KP_Home: { code: 'Numpad7', key: 'Home', keyCode: 36, keypad: true, webDriver: '\uE057' },
  KP_End: { code: 'Numpad1', key: 'End', keyCode: 35, keypad: true, webDriver: '\uE056' },
  // WebDriver has no keypad 5 with Num Lock off: Firefox gets its Clear key,
  // whose code is empty.
  KP_Begin: { code: 'Numpad5', key: 'Clear', keyCode: 12, keypad: true, webDriver: '\uE005' },
  KP_Enter: { code: 'NumpadEnter', key: 'Enter', keyCode: 13, text: '\r', keypad: true, webDriver: '\uE007' },
};
const shift = { code: 'ShiftLeft', key: 'Shift', keyCode: 16, webDriver: '\uE008' };

// The key of a name: one of the above, a letter, a digit or KP_ and a digit.
function keyNamed(name) {
  if (named[name]) return named[name];
  let match = name.match(/^[a-z]$/);
  if (match) return { code: `Key${name.toUpperCase()}`, key: name, keyCode: name.toUpperCase().charCodeAt(0),
                      text: name, webDriver: name };
  match = name.match(/^(KP_)?([0-9])$/);
  if (!match) throw new Error(`no key ${name}`);
  const digit = +match[2];
  return match[1]
    ? { code: `Numpad${digit}`, key: match[2], keyCode: 96 + digit, text: match[2], keypad: true,
        webDriver: String.fromCharCode(0xe01a + digit) }
    : { code: `Digit${digit}`, key: match[2], keyCode: 48 + digit, text: match[2], webDriver: match[2] };
}

// A stroke: `shift+NAME` holds Shift down around the key.
function stroke(name) {
  const shifted = name.startsWith('shift+');
  return { shifted, key: keyNamed(shifted ? name.slice(6) : name) };
}

class PageKeys {
  constructor(page, browserName) {
    this.page = page;
    this.chromium = browserName === 'chromium';
  }

  // Down and up through the browser's input: Chromium's own key events,
  // where the code and the key are set apart; Firefox's WebDriver actions.
  async press(name) {
    const { shifted, key } = stroke(name);
    const sequence = shifted ? [[shift, true], [key, true], [key, false], [shift, false]]
      : [[key, true], [key, false]];
    if (!this.chromium) {
      for (const [k, down] of sequence)
        await (down ? this.page.keyboard.down(k.webDriver) : this.page.keyboard.up(k.webDriver));
      return;
    }
    if (!this.session) this.session = await this.page.createCDPSession();
    for (const [k, down] of sequence) {
      await this.session.send('Input.dispatchKeyEvent', {
        type: down ? (k.text ? 'keyDown' : 'rawKeyDown') : 'keyUp',
        key: k.key, code: k.code, windowsVirtualKeyCode: k.keyCode, nativeVirtualKeyCode: k.keyCode,
        location: k.keypad ? 3 : k === shift ? 1 : 0, modifiers: shifted ? 8 : 0,
        ...(down && k.text ? { text: k.text, unmodifiedText: k.text } : {}),
      });
    }
  }

  // Sent to a window itself, wherever the focus is. A browser types only
  // where the focus is, and no window behind a modal one can take it: the
  // key is dispatched on the window's element, as a desktop's driver sends
  // it to a window.
  async sendTo(selector, name) {
    const { shifted, key } = stroke(name);
    await this.page.$eval(selector, (el, k, shiftKey) => {
      for (const type of ['keydown', 'keyup'])
        el.dispatchEvent(new KeyboardEvent(type, { key: k.key, code: k.code, keyCode: k.keyCode, shiftKey,
                                                   bubbles: true, cancelable: true, composed: true }));
    }, key, shifted);
  }
}

module.exports = { PageKeys, keyNamed };
