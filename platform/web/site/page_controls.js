// Zubrik: the page's controls: buttons, labels, frames and lines as elements, picture boxes as canvases, their pointer and their choices.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

(function (shell, ZubrikPage) {
  const { controls, stats } = shell;
  // The model's address of each control's element, for the pointer's events.
  const addresses = new WeakMap();

  // Every visible picture in a shown window, as the program's image holds it now.
  shell.flushPictures = () => {
    for (const control of controls.values())
      if (control.read && control.el && !control.el.hidden && control.form.shown) paint(control);
  };

  // A press on any control of the window's client area goes to the program
  // first, which moves the focus by its own rule: the browser's own focus on
  // a press is kept out. A button's click still follows.
  shell.watchPointer = (client) => {
    const pressed = (event) => {
      const el = event.target.closest('[data-control]');
      return el && client.contains(el) ? el : null;
    };
    client.addEventListener('pointerdown', (event) => {
      const el = pressed(event);
      if (!el || shell.ended) return;
      event.preventDefault();
      const address = addresses.get(el);
      shell.post('pointer_pressed', address);
      const control = controls.get(address);
      // The press may have closed the window.
      if (control && control.kind === 'picture') pressPicture(address, control, event);
    });
    client.addEventListener('mousedown', (event) => {
      if (pressed(event)) event.preventDefault();
    });
  };

  Object.assign(ZubrikPage, {
    createControl(formAddress, address, kind, fullName, containerAddress) {
      const form = shell.forms.get(formAddress);
      const container = containerAddress ? controls.get(containerAddress) : null;
      const control = { form, kind, fullName, container, parent: container ? container.el : form.client,
                        el: null, canvas: null, place: null, style: null, image: null, pixels: null,
                        choices: [], marked: -1, markAt: null, mark: null, text: '',
                        name: '', description: '', labelledBy: null };
      controls.set(address, control);
      // A picture box that has never been visible is an image in memory alone.
      if (kind !== 'picture') makeElement(address, control);
    },

    destroyControl(address) {
      const control = controls.get(address);
      if (!control) return;
      if (control.el) control.el.remove();
      if (control.mark) control.mark.remove();
      controls.delete(address);
    },

    placeControl(address, place) {
      const control = controls.get(address);
      control.place = place;
      if (!control.el && place.visible) makeElement(address, control);
      if (control.el) applyPlace(control);
    },

    setText(address, text) {
      const control = controls.get(address);
      control.text = text.replace(/\r\n/g, '\n');
      if (control.el) applyText(control);
    },

    styleControl(address, style) {
      const control = controls.get(address);
      control.style = style;
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

    // A window not shown yet cannot hold the focus: it takes it when it shows.
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

    measure(text, fontPixels, bold) {
      const probe = document.getElementById('measure');
      shell.setFont(probe.style, fontPixels, bold);
      const shown = text.replace(/\r\n/g, '\n');
      probe.textContent = shown;
      // Every line counts, an empty last one too, as the desktop counts them.
      return { width: Math.ceil(probe.getBoundingClientRect().width),
               height: shown.split('\n').length * shell.linePitch(fontPixels) };
    },

    // Painted once the handler returns or waits (flushPictures), so that a
    // Cls halfway through a frame never reaches the canvas.
    putPicture(address, read, width, height) {
      const control = controls.get(address);
      control.read = read;
      control.size = { width, height };
    },

    clearChoices(address) {
      const control = controls.get(address);
      control.choices = [];
      if (control.el) applyChoices(control);
    },

    addChoice(address, name, description) {
      const control = controls.get(address);
      control.choices.push({ name, description });
      if (control.el) applyChoices(control);
    },

    markChoice(address, index, at) {
      const control = controls.get(address);
      control.marked = index;
      control.markAt = at;
      if (control.el) applyMark(control);
    },
  });

  function makeElement(address, control) {
    let el;
    switch (control.kind) {
      case 'button':
        el = document.createElement('button');
        el.type = 'button';
        el.addEventListener('click', () => shell.post('click', address));
        break;
      case 'picture':
        el = document.createElement('canvas');
        el.width = 0;
        el.height = 0;
        control.canvas = el;
        el.addEventListener('pointermove', (event) => postMouse(address, control, false, event));
        break;
      case 'image':
        el = document.createElement('div');
        el.setAttribute('aria-hidden', 'true');
        control.canvas = el.appendChild(document.createElement('canvas'));
        break;
      case 'frame':
        el = document.createElement('div');
        el.setAttribute('role', 'group');
        el.innerHTML = '<div class="rule"></div><span class="legend"></span>';
        break;
      default:
        el = document.createElement('div');
    }
    el.classList.add(control.kind);
    el.dataset.control = control.fullName;
    addresses.set(el, address);
    control.el = el;
    control.parent.appendChild(el);
    if (control.style) applyStyle(control);
    if (control.place) applyPlace(control);
    applyText(control);
    applyAccessible(control);
    if (control.kind === 'picture') applyChoices(control);
  }

  function paint(control) {
    const canvas = control.canvas;
    const { width, height } = control.size;
    if (canvas.width !== width || canvas.height !== height || !control.image) {
      canvas.width = width;
      canvas.height = height;
      control.image = canvas.getContext('2d').createImageData(width, height);
      control.pixels = new Uint32Array(control.image.data.buffer);
    }
    // 0xffRRGGBB words to the canvas' R, G, B, A bytes.
    const pixels = control.read();
    const out = control.pixels;
    for (let i = 0; i < out.length; ++i) {
      const p = pixels[i];
      out[i] = (p & 0xff00ff00) | ((p >>> 16) & 0xff) | ((p & 0xff) << 16);
    }
    canvas.getContext('2d').putImageData(control.image, 0, 0);
    if (control.form === shell.mainForm && stats.firstFrame === null) {
      stats.firstFrame = performance.now();
      performance.mark('zubrik-first-frame');
    }
  }

  // In the box's own pixels from its outer top left: the window's zoom undone.
  function postMouse(address, control, down, event) {
    const box = control.el.getBoundingClientRect();
    const scale = box.width / control.place.width;
    shell.post('mouse', address, down, event.button, event.buttons, event.shiftKey, event.ctrlKey, event.altKey,
               (event.clientX - box.left) / scale, (event.clientY - box.top) / scale);
  }

  // Mouse, touch and pen alike. A finger or pen has no hover of its own, so
  // it moves to where it lands before pressing, as a mouse would have.
  function pressPicture(address, control, event) {
    control.el.setPointerCapture(event.pointerId);
    if (event.pointerType !== 'mouse') postMouse(address, control, false, event);
    if (controls.has(address)) postMouse(address, control, true, event);
  }

  // A control wholly outside the client area that holds it is out of sight
  // (the hidden choice's name, past the strip's end until the strip widens):
  // so it is out of the reading order and the accessibility tree too.
  shell.applySight = (control) => {
    const { left, top, width, height } = control.place;
    const room = control.container ? control.container.place : control.form;
    const outside = room !== null
      && (left >= room.width || top >= room.height || left + width <= 0 || top + height <= 0);
    control.el.style.visibility = outside ? 'hidden' : '';
  };

  function applyPlace(control) {
    const { left, top, width, height, border, visible, enabled, focusable } = control.place;
    const el = control.el;
    const s = el.style;
    s.left = left + 'px';
    s.top = top + 'px';
    s.width = width + 'px';
    s.height = height + 'px';
    // None: the kind's own edge, a button's raised one.
    s.borderWidth = border ? border + 'px' : '';
    el.hidden = !visible;
    shell.applySight(control);
    // Tab never moves the focus itself: the program does, by its own order.
    el.tabIndex = focusable ? 0 : -1;
    if (control.kind === 'button') el.disabled = !enabled || shell.ended;
    else if (!enabled) el.setAttribute('aria-disabled', 'true');
    else el.removeAttribute('aria-disabled');
  }

  function applyStyle(control) {
    const { fontPixels, bold, foreColor, backColor, alignment, stretch } = control.style;
    const el = control.el;
    const colour = (value) => '#' + value.toString(16).padStart(6, '0');
    shell.setFont(el.style, fontPixels, bold);
    if (foreColor >= 0) el.style.color = colour(foreColor);
    if (backColor >= 0 && control.kind !== 'picture') el.style.background = colour(backColor);
    el.classList.add('align-' + alignment);
    el.classList.toggle('stretch', stretch);
  }

  function applyText(control) {
    if (control.kind === 'frame') {
      const legend = control.el.querySelector('.legend');
      legend.textContent = control.text;
      legend.hidden = control.text === '';
      control.el.setAttribute('aria-label', control.text);
    } else if (control.kind === 'button' || control.kind === 'label') {
      control.el.textContent = control.text;
    }
  }

  function applyAccessible(control) {
    const el = control.el;
    const set = (name, value) => (value ? el.setAttribute(name, value) : el.removeAttribute(name));
    if (control.kind === 'picture') {
      el.setAttribute('role', control.choices.length ? 'listbox' : 'img');
      set('aria-label', control.name);
      set('aria-description', control.description);
    } else if (control.kind !== 'frame') {
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
    if (control.kind !== 'picture') return;
    const options = el.children;
    for (let i = 0; i < options.length; ++i) options[i].setAttribute('aria-selected', String(i === control.marked));
    if (control.marked < 0 || !options[control.marked]) {
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
    const { left, top, width, height } = control.markAt;
    const s = control.mark.style;
    s.left = left + 'px';
    s.top = top + 'px';
    s.width = width + 'px';
    s.height = height + 'px';
    control.mark.hidden = false;
  }
})(window.ZubrikShell, window.ZubrikPage);
