// Zubrik: the page: the game's windows and controls as elements, their events, the timers, the boxes.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// The program (zubrik.js, built from platform/web/) tells this page what to
// show through ZubrikPage, naming every element by the address of the model
// it shows, and takes the events back through its exports. Nothing here
// decides anything of the game.
'use strict';

(function () {
  // Cheap figures for the measurements, always kept.
  const stats = (window.zubrik = { firstFrame: null, ticks: [], beeps: 0, exitCode: null, ended: false });
  const tickHistory = 2000;

  // ControlKind and Alignment, as platform/Design.h numbers them.
  const Kind = { button: 0, label: 1, picture: 2, frame: 3, line: 4, image: 5 };
  const justify = ['flex-start', 'flex-end', 'center'];
  const textAlign = ['left', 'right', 'center'];
  // The page's window frame: a 1-pixel edge, a title bar over the client area.
  const edge = 1;
  const titleHeight = 20;
  const labelFrame = 2;
  const frameRuleTop = 6;
  const fontFamily = '"Zubrik Sans", "IPAPGothic", "Noto Sans CJK JP", sans-serif';
  const texts = {
    close: '閉じる',
    ok: 'OK',
    stopped: '実行時エラーのため、ゲームを止めました。ページを読み込み直すと、はじめから遊べます。',
    ended: 'ゲームは終わりました。ページを読み込み直すと、はじめから遊べます。',
  };

  const forms = new Map();
  const controls = new Map();
  const timers = new Map();
  const messages = new Map();
  // Open modal windows and boxes, innermost last: the last one takes the keys.
  const modalStack = [];
  let mainForm = null;
  let nextMessage = 1;
  let stopped = false;
  let audio = null;

  const desktop = () => document.getElementById('desktop');
  // Into the program; then every visible picture is shown as the handler left it.
  function call(name, ...args) {
    if (stopped) return 0;
    const result = Module['_' + name](...args);
    flushPictures();
    return result;
  }

  function flushPictures() {
    for (const control of controls.values())
      if (control.read && control.el && !control.el.hidden && control.form.shown) paint(control);
  }

  function shiftOf(event) {
    return (event.shiftKey ? 1 : 0) + (event.ctrlKey ? 2 : 0) + (event.altKey ? 4 : 0);
  }

  // The virtual-key code of a key, by the program's table. Its names go into
  // the program's own buffer: nothing may be allocated while a handler sleeps.
  function keyCodeOf(event) {
    const names = Module._zubrik_key_names();
    const write = (text, at) => {
      const bytes = Math.min(text.length, 31);
      for (let i = 0; i < bytes; ++i) {
        const c = text.charCodeAt(i);
        Module.HEAPU8[at + i] = c < 0x80 ? c : 0x3f;
      }
      Module.HEAPU8[at + bytes] = 0;
    };
    write(event.code || '', names);
    write(event.key || '', names + 32);
    return Module._zubrik_key_code();
  }

  function fontOf(pixels, bold) {
    return (bold ? 'bold ' : '') + pixels + 'px ' + fontFamily;
  }

  // Property by property: the shorthand would reset the proportional kana.
  function setFont(style, pixels, bold) {
    style.fontFamily = fontFamily;
    style.fontSize = pixels + 'px';
    style.fontWeight = bold ? 'bold' : 'normal';
    style.lineHeight = linePitch(pixels) + 'px';
    style.fontFeatureSettings = '"palt" 1';
  }

  // Lines are set as tight as the windows were laid out for: one pixel more
  // than the font's size.
  function linePitch(pixels) {
    return pixels + 1;
  }

  // Device pixels per picture pixel: the screen's ratio rounded (1.25 gives
  // 1, 1.5 gives 2), less where the window would not fit the browser's width
  // or height. A whole number keeps every picture pixel the same size; where
  // the whole number would shrink the window by more than a third (a wide
  // window on a phone), the window fills the room instead, still drawn
  // nearest-neighbour.
  function scaleFor(width, height) {
    const ratio = window.devicePixelRatio || 1;
    // The window's own size, not the document's: reading that would lay the
    // page out before its time.
    const room = Math.min((window.innerWidth - 8) / width, (window.innerHeight - 8) / height) * ratio;
    const best = Math.min(Math.max(1, Math.round(ratio)), room);
    const whole = Math.floor(best);
    return (whole >= 1 && whole >= best * 2 / 3 ? whole : best) / ratio;
  }

  function fit(form) {
    const width = form.width + 2 * edge;
    const height = form.height + 2 * edge + (form.bordered ? titleHeight : 0);
    form.el.style.zoom = String(scaleFor(width, height));
  }

  function fitMessage(box) {
    box.style.zoom = String(scaleFor(box.naturalWidth, box.naturalHeight));
  }

  function refit() {
    for (const form of forms.values())
      if (form.shown) fit(form);
    for (const box of messages.values()) fitMessage(box);
  }

  function unlockAudio() {
    if (audio === null) {
      try {
        audio = new AudioContext();
      } catch (error) {
        audio = false;
      }
    }
    if (audio && audio.state === 'suspended') audio.resume();
  }

  function topModal() {
    return modalStack.length ? modalStack[modalStack.length - 1] : null;
  }

  // The window that takes the keys: the innermost modal one, else the main one.
  function keyForm() {
    const top = topModal();
    if (top) return top.kind === 'form' ? top.form : null;
    return mainForm && mainForm.shown ? mainForm : null;
  }

  function focusables(form) {
    const reached = [];
    for (const control of controls.values()) {
      const el = control.el;
      if (control.form !== form || !el || el.tabIndex < 0 || el.hidden || el.disabled) continue;
      reached.push(el);
    }
    // Positive tab indices first, in order; then the rest as they stand.
    return reached.sort((a, b) => (a.tabIndex || 1e9) - (b.tabIndex || 1e9));
  }

  function moveFocus(form, backwards) {
    const order = focusables(form);
    if (!order.length) return;
    const at = order.indexOf(document.activeElement);
    const next = at < 0 ? 0 : (at + (backwards ? order.length - 1 : 1)) % order.length;
    order[next].focus();
  }

  const pageScrollKeys = new Set(['Space', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight',
                                  'Home', 'End', 'PageUp', 'PageDown']);

  function onKeyDown(event) {
    if (event.isComposing || stopped) return;
    unlockAudio();
    const top = topModal();
    if (top && top.kind === 'message') return; // the box's own keys: Enter, Space, Escape
    const form = keyForm();
    if (!form) return;
    const code = keyCodeOf(event);
    const shift = shiftOf(event);
    call('zubrik_key', form.address, 0, code, shift);
    if (event.code === 'Tab') {
      event.preventDefault();
      moveFocus(form, event.shiftKey);
      return;
    }
    const target = document.activeElement;
    const onButton = target && target.tagName === 'BUTTON' && form.el.contains(target);
    if (onButton && (event.key === ' ' || event.key === 'Enter')) return; // the button clicks
    const taken = call('zubrik_key', form.address, 2, code, shift);
    const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    if (taken || event.key === 'Escape' || (plain && pageScrollKeys.has(event.code)))
      event.preventDefault();
  }

  function onKeyUp(event) {
    if (event.isComposing || stopped) return;
    const form = keyForm();
    if (!form) return;
    const code = keyCodeOf(event);
    call('zubrik_key', form.address, 1, code, shiftOf(event));
  }

  function makeWindow(name, bordered, modal) {
    const el = document.createElement(modal ? 'dialog' : 'section');
    el.className = 'window';
    el.dataset.form = name;
    const title = document.createElement('div');
    title.className = 'title';
    const caption = document.createElement('span');
    caption.className = 'caption';
    caption.id = 'caption-' + name;
    title.appendChild(caption);
    // Named by the caption alone, not by the close box beside it.
    el.setAttribute('aria-labelledby', caption.id);
    // A window without a border has no title bar; its caption still names it.
    title.hidden = !bordered;
    el.appendChild(title);
    const client = document.createElement('div');
    client.className = 'client';
    el.appendChild(client);
    return { el, title, caption, client };
  }

  const ZubrikPage = {
    createForm(address, name, bordered, backColor) {
      const modal = mainForm !== null;
      const parts = makeWindow(name, bordered, modal);
      const form = Object.assign(parts, { address, name, bordered, modal, shown: false,
                                          width: 0, height: 0, wantFocus: 0 });
      if (backColor >= 0) form.client.style.background = '#' + backColor.toString(16).padStart(6, '0');
      if (bordered) {
        const close = document.createElement('button');
        close.type = 'button';
        close.className = 'close';
        close.tabIndex = -1;
        close.setAttribute('aria-label', texts.close);
        close.addEventListener('mousedown', (event) => event.preventDefault());
        close.addEventListener('click', () => call('zubrik_close', address));
        form.title.appendChild(close);
      }
      if (modal) {
        // Escape is the game's key (a dialog leaves on it itself): never the browser's close.
        form.el.addEventListener('cancel', (event) => event.preventDefault());
      } else {
        mainForm = form;
      }
      form.el.hidden = !modal;
      desktop().appendChild(form.el);
      forms.set(address, form);
    },

    updateForm(address, caption, width, height) {
      const form = forms.get(address);
      form.caption.textContent = caption;
      form.width = width;
      form.height = height;
      form.client.style.width = width + 'px';
      form.client.style.height = height + 'px';
      if (form.shown) fit(form);
    },

    showForm(address, modal) {
      const form = forms.get(address);
      form.shown = true;
      fit(form);
      if (form.modal) {
        if (!form.el.open) form.el.showModal();
        modalStack.push({ kind: 'form', form });
      } else {
        form.el.hidden = false;
      }
      const wanted = controls.get(form.wantFocus);
      if (wanted && wanted.el) wanted.el.focus({ preventScroll: true });
      flushPictures();
    },

    hideForm(address) {
      const form = forms.get(address);
      if (!form || !form.shown) return;
      form.shown = false;
      if (form.modal) {
        if (form.el.open) form.el.close();
        const at = modalStack.findIndex((entry) => entry.form === form);
        if (at >= 0) modalStack.splice(at, 1);
      } else {
        form.el.hidden = true;
      }
      if (![...forms.values()].some((other) => other.shown)) ZubrikPage.end();
    },

    destroyForm(address) {
      const form = forms.get(address);
      if (!form) return;
      ZubrikPage.hideForm(address);
      form.el.remove();
      forms.delete(address);
    },

    focusedControl(address) {
      const form = forms.get(address);
      for (const [controlAddress, control] of controls)
        if (control.form === form && control.el && control.el === document.activeElement) return controlAddress;
      return form.shown ? 0 : form.wantFocus;
    },

    createControl(formAddress, address, kind, fullName, containerAddress) {
      const form = forms.get(formAddress);
      const container = containerAddress ? controls.get(containerAddress) : null;
      const control = { form, kind, fullName, parent: container ? container.el : form.client,
                        el: null, place: null, style: null, image: null, pixels: null,
                        border: 0, choices: [], marked: -1, mark: null, text: '',
                        name: '', description: '', labelledBy: null };
      controls.set(address, control);
      // A picture box that has never been visible is an image in memory alone.
      if (kind !== Kind.picture) makeElement(address, control);
    },

    destroyControl(address) {
      const control = controls.get(address);
      if (!control) return;
      if (control.el) control.el.remove();
      if (control.mark) control.mark.remove();
      controls.delete(address);
    },

    placeControl(address, left, top, width, height, visible, enabled, tabIndex) {
      const control = controls.get(address);
      control.place = { left, top, width, height, visible, enabled, tabIndex };
      if (!control.el && visible) makeElement(address, control);
      if (control.el) applyPlace(control);
    },

    setText(address, text) {
      const control = controls.get(address);
      control.text = text.replace(/\r\n/g, '\n');
      if (control.el) applyText(control);
    },

    styleControl(address, fontPixels, bold, foreColor, backColor, border, alignment) {
      const control = controls.get(address);
      control.style = { fontPixels, bold, foreColor, backColor, border, alignment };
      if (control.el) applyStyle(control);
    },

    setAccessible(address, name, description) {
      const control = controls.get(address);
      control.name = name;
      control.description = description;
      if (control.el) applyAccessible(control);
    },

    labelFor(labelAddress, labelledAddress) {
      const label = controls.get(labelAddress);
      const labelled = controls.get(labelledAddress);
      labelled.labelledBy = label;
      if (labelled.el) applyAccessible(labelled);
    },

    focus(address) {
      const control = controls.get(address);
      control.form.wantFocus = address;
      if (control.form.shown && control.el) control.el.focus({ preventScroll: true });
    },

    hasFocus(address) {
      const control = controls.get(address);
      if (control.el && document.activeElement === control.el) return true;
      return !control.form.shown && control.form.wantFocus === address;
    },

    measure(text, fontPixels, bold, border) {
      const probe = document.getElementById('measure');
      setFont(probe.style, fontPixels, bold);
      const shown = text.replace(/\r\n/g, '\n');
      probe.textContent = shown;
      const frame = border ? 2 * labelFrame : 0;
      const lines = shown.split('\n').length;
      return { width: Math.ceil(probe.getBoundingClientRect().width) + frame,
               height: lines * linePitch(fontPixels) + frame };
    },

    putPicture(address, read, width, height) {
      const control = controls.get(address);
      control.read = read;
      control.size = { width, height };
      // Painted once the handler returns or waits (flushPictures), so that a
      // Cls halfway through a frame never reaches the canvas.
    },

    flushSoon() {
      setTimeout(flushPictures, 0);
    },

    clearChoices(address) {
      const control = controls.get(address);
      control.choices = [];
      control.marked = -1;
      if (control.el) applyChoices(control);
    },

    addChoice(address, name, description, x, y, width, height) {
      const control = controls.get(address);
      control.choices.push({ name, description, x, y, width, height });
      if (control.el) applyChoices(control);
    },

    markChoice(address, index) {
      const control = controls.get(address);
      control.marked = index;
      if (control.el) applyMark(control);
    },

    showMessage(prompt, title) {
      const id = nextMessage++;
      const box = document.createElement('dialog');
      box.className = 'window message';
      box.dataset.message = '';
      const bar = document.createElement('div');
      bar.className = 'title';
      bar.id = 'message-title-' + id;
      bar.textContent = title;
      const body = document.createElement('div');
      body.className = 'client';
      const text = document.createElement('p');
      text.className = 'prompt';
      text.id = 'message-prompt-' + id;
      text.textContent = prompt.replace(/\r\n/g, '\n');
      const ok = document.createElement('button');
      ok.type = 'button';
      ok.textContent = texts.ok;
      ok.addEventListener('click', () => box.close());
      body.append(text, ok);
      box.append(bar, body);
      box.setAttribute('aria-labelledby', bar.id);
      box.setAttribute('aria-describedby', text.id);
      box.addEventListener('close', () => {
        messages.delete(id);
        const at = modalStack.findIndex((entry) => entry.box === box);
        if (at >= 0) modalStack.splice(at, 1);
        box.remove();
      });
      // What the handler drew before it asked for the box shows behind it.
      flushPictures();
      desktop().appendChild(box);
      box.naturalWidth = 0;
      box.showModal();
      // Measured once at its own size, then scaled to the screen as the windows are.
      box.naturalWidth = box.offsetWidth;
      box.naturalHeight = box.offsetHeight;
      fitMessage(box);
      ok.focus();
      messages.set(id, box);
      modalStack.push({ kind: 'message', box });
      return id;
    },

    messageOpen(id) {
      return messages.has(id);
    },

    beep() {
      stats.beeps++;
      if (!audio || audio.state !== 'running') return;
      const start = audio.currentTime;
      const tone = audio.createOscillator();
      const level = audio.createGain();
      tone.frequency.value = 880;
      level.gain.setValueAtTime(0.2, start);
      level.gain.exponentialRampToValueAtTime(0.001, start + 0.15);
      tone.connect(level).connect(audio.destination);
      tone.start(start);
      tone.stop(start + 0.16);
    },

    // A run-time error has shown its box: the game stops where it stands.
    quit(exitCode) {
      stats.exitCode = exitCode;
      ZubrikPage.stop(texts.stopped);
    },

    // No window is left: the game is over, as the program would end.
    end() {
      if (stopped) return;
      stats.ended = true;
      if (stats.exitCode === null) stats.exitCode = 0;
      ZubrikPage.stop(texts.ended);
    },

    stop(note) {
      stopped = true;
      for (const address of [...timers.keys()]) ZubrikPage.stopTimer(address);
      for (const control of controls.values()) {
        if (!control.el) continue;
        if (control.el.tagName === 'BUTTON') control.el.disabled = true;
        control.el.style.pointerEvents = 'none';
      }
      document.body.classList.add('stopped');
      const shown = document.getElementById('note');
      shown.textContent = note;
      shown.hidden = false;
    },

    // The n-th tick is due at start + n * interval, whatever the lateness of
    // the ones before; a timer far behind (a page in the background) starts
    // its grid afresh rather than firing the missed ticks in a burst.
    startTimer(address, interval) {
      ZubrikPage.stopTimer(address);
      if (stopped) return;
      const timer = { interval: Math.max(1, interval), start: performance.now(), count: 0, due: 0, handle: 0 };
      timers.set(address, timer);
      const arm = () => {
        timer.count++;
        timer.due = timer.start + timer.count * timer.interval;
        const now = performance.now();
        if (timer.due < now - timer.interval) {
          timer.start = now;
          timer.count = 1;
          timer.due = now + timer.interval;
        }
        timer.handle = setTimeout(fire, Math.max(0, timer.due - now));
      };
      const fire = () => {
        stats.ticks.push(performance.now());
        if (stats.ticks.length > tickHistory) stats.ticks.splice(0, tickHistory / 2);
        arm();
        call('zubrik_tick', address);
      };
      arm();
    },

    stopTimer(address) {
      const timer = timers.get(address);
      if (!timer) return;
      clearTimeout(timer.handle);
      timers.delete(address);
    },

    timerRemaining(address) {
      const timer = timers.get(address);
      return timer ? Math.max(0, Math.round(timer.due - performance.now())) : -1;
    },
  };

  function makeElement(address, control) {
    let el;
    switch (control.kind) {
      case Kind.button:
        el = document.createElement('button');
        el.type = 'button';
        // A click leaves the focus where it was, as the desktop's buttons do.
        el.addEventListener('mousedown', (event) => event.preventDefault());
        el.addEventListener('click', () => call('zubrik_click', address));
        break;
      case Kind.picture:
        el = document.createElement('canvas');
        el.width = 0;
        el.height = 0;
        listenToPointer(address, control, el);
        break;
      case Kind.image:
        el = document.createElement('canvas');
        el.setAttribute('aria-hidden', 'true');
        break;
      case Kind.frame:
        el = document.createElement('div');
        el.setAttribute('role', 'group');
        el.innerHTML = '<div class="rule"></div><span class="legend"></span>';
        break;
      default:
        el = document.createElement('div');
    }
    el.classList.add(['button', 'label', 'picture', 'frame', 'line', 'image'][control.kind]);
    el.dataset.control = control.fullName;
    control.el = el;
    control.parent.appendChild(el);
    if (control.style) applyStyle(control);
    if (control.place) applyPlace(control);
    applyText(control);
    applyAccessible(control);
    if (control.kind === Kind.picture) applyChoices(control);
  }

  function paint(control) {
    const el = control.el;
    const { width, height } = control.size;
    if (el.width !== width || el.height !== height || !control.image) {
      el.width = width;
      el.height = height;
      control.image = el.getContext('2d').createImageData(width, height);
      control.pixels = new Uint32Array(control.image.data.buffer);
      if (control.kind === Kind.picture) applyPictureSize(control);
    }
    // 0xffRRGGBB words to the canvas' R, G, B, A bytes.
    const pixels = control.read();
    const out = control.pixels;
    for (let i = 0; i < out.length; ++i) {
      const p = pixels[i];
      out[i] = (p & 0xff00ff00) | ((p >>> 16) & 0xff) | ((p & 0xff) << 16);
    }
    el.getContext('2d').putImageData(control.image, 0, 0);
    if (control.form === mainForm && stats.firstFrame === null) stats.firstFrame = performance.now();
  }

  function pointerAt(control, event) {
    const box = control.el.getBoundingClientRect();
    const scale = box.width / (control.el.width + 2 * control.border);
    return { x: ((event.clientX - box.left) / scale - control.border) * 15,
             y: ((event.clientY - box.top) / scale - control.border) * 15 };
  }

  // Mouse, touch and pen alike. A finger or pen has no hover of its own, so
  // it moves to where it lands before pressing, as a mouse would have.
  function listenToPointer(address, control, el) {
    el.addEventListener('pointerdown', (event) => {
      unlockAudio();
      event.preventDefault();
      el.setPointerCapture(event.pointerId);
      if (el.tabIndex >= 0) el.focus({ preventScroll: true });
      const at = pointerAt(control, event);
      const shift = shiftOf(event);
      if (event.pointerType !== 'mouse') call('zubrik_mouse', address, 0, 0, shift, at.x, at.y);
      const button = [1, 4, 2][event.button] || 0;
      call('zubrik_mouse', address, 1, button, shift, at.x, at.y);
    });
    el.addEventListener('pointermove', (event) => {
      const at = pointerAt(control, event);
      call('zubrik_mouse', address, 0, event.buttons & 7, shiftOf(event), at.x, at.y);
    });
  }

  function applyPlace(control) {
    const { left, top, width, height, visible, enabled, tabIndex } = control.place;
    const s = control.el.style;
    s.left = left + 'px';
    s.top = top + 'px';
    control.el.hidden = !visible;
    control.el.tabIndex = tabIndex;
    if (control.kind === Kind.button) control.el.disabled = !enabled || stopped;
    else if (!enabled) control.el.setAttribute('aria-disabled', 'true');
    else control.el.removeAttribute('aria-disabled');
    if (control.kind === Kind.picture) {
      applyPictureSize(control);
    } else {
      s.width = width + 'px';
      s.height = height + 'px';
    }
  }

  // The canvas is the client area; the border lies around it.
  function applyPictureSize(control) {
    const el = control.el;
    const s = el.style;
    s.width = el.width + 'px';
    s.height = el.height + 'px';
    const outer = control.place ? control.place.width : el.width;
    control.border = Math.max(0, Math.round((outer - el.width) / 2));
    s.borderWidth = control.border + 'px';
    applyMark(control);
  }

  function applyStyle(control) {
    const { fontPixels, bold, foreColor, backColor, border, alignment } = control.style;
    const s = control.el.style;
    const colour = (value) => '#' + value.toString(16).padStart(6, '0');
    setFont(s, fontPixels, bold);
    if (foreColor >= 0) s.color = colour(foreColor);
    if (backColor >= 0 && control.kind !== Kind.picture) s.background = colour(backColor);
    if (control.kind === Kind.label) {
      if (border) control.el.classList.add('sunken');
      s.justifyContent = justify[alignment];
      s.textAlign = textAlign[alignment];
    }
  }

  function applyText(control) {
    if (control.kind === Kind.frame) {
      const legend = control.el.querySelector('.legend');
      legend.textContent = control.text;
      legend.hidden = control.text === '';
      control.el.setAttribute('aria-label', control.text);
    } else if (control.kind === Kind.button || control.kind === Kind.label) {
      control.el.textContent = control.text;
    }
  }

  function applyAccessible(control) {
    const el = control.el;
    const set = (name, value) => (value ? el.setAttribute(name, value) : el.removeAttribute(name));
    if (control.kind === Kind.picture) {
      el.setAttribute('role', control.choices.length ? 'listbox' : 'img');
      set('aria-label', control.name);
      set('aria-description', control.description);
    } else if (control.kind !== Kind.frame) {
      if (control.name) el.setAttribute('aria-label', control.name);
      set('aria-description', control.description);
    }
    if (control.labelledBy && control.labelledBy.el) {
      const label = control.labelledBy.el;
      label.id = label.id || 'label-' + control.labelledBy.fullName;
      el.setAttribute('aria-labelledby', label.id);
      // A counter: its changes are read out.
      el.setAttribute('role', 'status');
    }
  }

  // For screen readers, the strip's choices are the options of a list box.
  function applyChoices(control) {
    const el = control.el;
    el.replaceChildren();
    control.choices.forEach((choice, index) => {
      const option = document.createElement('div');
      option.setAttribute('role', 'option');
      option.id = 'choice-' + control.fullName.replace(/\W/g, '') + '-' + control.form.name + '-' + index;
      option.textContent = choice.name;
      if (choice.description) option.setAttribute('aria-description', choice.description.replace(/\n/g, ' '));
      el.appendChild(option);
    });
    applyAccessible(control);
    applyMark(control);
  }

  // The choice the keyboard stands on: a ring over the canvas, never in its pixels.
  function applyMark(control) {
    const el = control.el;
    if (!el || control.kind !== Kind.picture) return;
    const options = el.children;
    for (let i = 0; i < options.length; ++i) options[i].setAttribute('aria-selected', String(i === control.marked));
    const choice = control.choices[control.marked];
    if (!choice) {
      el.removeAttribute('aria-activedescendant');
      if (control.mark) control.mark.hidden = true;
      return;
    }
    el.setAttribute('aria-activedescendant', options[control.marked].id);
    if (!control.mark) {
      control.mark = document.createElement('div');
      control.mark.className = 'mark';
      control.mark.setAttribute('aria-hidden', 'true');
      control.parent.appendChild(control.mark);
    }
    const place = control.place || { left: 0, top: 0 };
    const s = control.mark.style;
    s.left = place.left + control.border + choice.x + 'px';
    s.top = place.top + control.border + choice.y + 'px';
    s.width = choice.width + 'px';
    s.height = choice.height + 'px';
    control.mark.hidden = false;
  }

  window.ZubrikPage = ZubrikPage;

  // The program starts once the game's font is in: labels size themselves to
  // their captions as the window loads.
  window.Module = {
    preRun: [() => {
      Module.addRunDependency('fonts');
      Promise.all([document.fonts.load(fontOf(12, false), 'ジャンプ'), document.fonts.load(fontOf(12, true), '0')])
        .finally(() => Module.removeRunDependency('fonts'));
    }],
    postRun: [flushPictures],
  };

  document.addEventListener('keydown', onKeyDown, true);
  document.addEventListener('keyup', onKeyUp, true);
  document.addEventListener('pointerdown', unlockAudio, true);
  window.addEventListener('resize', refit);
})();
