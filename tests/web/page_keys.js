// Zubrik: the script's keys (X keysym names) typed into a page as a keyboard would, in Chromium and in Firefox.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

// What the browser reports for each, `code`, `key` and the legacy keyCode,
// and the WebDriver key Firefox is driven with (whose table gives the same
// code and key). The keypad's moves are what it sends with Num Lock off:
// code Numpad4 with key ArrowLeft, and so on.
const named = {
  space: ['Space', ' ', 32, ' '], Return: ['Enter', 'Enter', 13, '\uE006'], Tab: ['Tab', 'Tab', 9, '\uE004'],
  Escape: ['Escape', 'Escape', 27, '\uE00C'], Left: ['ArrowLeft', 'ArrowLeft', 37, '\uE012'],
  Up: ['ArrowUp', 'ArrowUp', 38, '\uE013'], Right: ['ArrowRight', 'ArrowRight', 39, '\uE014'],
  Down: ['ArrowDown', 'ArrowDown', 40, '\uE015'], Home: ['Home', 'Home', 36, '\uE011'],
  End: ['End', 'End', 35, '\uE010'], KP_Left: ['Numpad4', 'ArrowLeft', 37, '\uE058'],
  KP_Up: ['Numpad8', 'ArrowUp', 38, '\uE059'], KP_Right: ['Numpad6', 'ArrowRight', 39, '\uE05A'],
  KP_Down: ['Numpad2', 'ArrowDown', 40, '\uE05B'], KP_Home: ['Numpad7', 'Home', 36, '\uE057'],
  KP_End: ['Numpad1', 'End', 35, '\uE056'], KP_Enter: ['NumpadEnter', 'Enter', 13, '\uE007'],
  // WebDriver has no keypad 5 with Num Lock off: Firefox gets its Clear
  // key, whose code is empty.
  KP_Begin: ['Numpad5', 'Clear', 12, '\uE005'],
};
const shift = { code: 'ShiftLeft', key: 'Shift', keyCode: 16, webDriver: '\uE008' };

// The key of a name: one of the above, a letter, a digit or KP_ and a digit;
// with the character it types, if any.
function keyNamed(name) {
  const digit = name.match(/^(KP_)?([0-9])$/);
  const [code, key, keyCode, webDriver] = named[name]
    || (/^[a-z]$/.test(name) && [`Key${name.toUpperCase()}`, name, name.toUpperCase().charCodeAt(0), name])
    || (digit && digit[1] && [`Numpad${digit[2]}`, digit[2], 96 + +digit[2], String.fromCharCode(0xe01a + +digit[2])])
    || (digit && [`Digit${digit[2]}`, digit[2], 48 + +digit[2], digit[2]]) || [];
  if (!code) throw new Error(`no key ${name}`);
  const text = key === 'Enter' ? '\r' : key.length === 1 ? key : undefined;
  return { code, key, keyCode, webDriver, text, keypad: code.startsWith('Numpad') };
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
