// Zubrik: the page's controls: buttons, labels, frames and lines as elements, picture boxes as canvases, their pointer and their choices.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

(function (shell, ZubrikPage) {
  const { controls, stats } = shell;
  // ControlKind and Alignment, as platform/Design.h numbers them.
  const Kind = { button: 0, label: 1, picture: 2, frame: 3, line: 4, image: 5 };
  const justify = ['flex-start', 'flex-end', 'center'];
  const textAlign = ['left', 'right', 'center'];
  // A sunken label's edge, inside its box.
  const labelFrame = 2;

  // Every visible picture in a shown window, as the program's image holds it now.
  shell.flushPictures = () => {
    for (const control of controls.values())
      if (control.read && control.el && !control.el.hidden && control.form.shown) paint(control);
  };

  Object.assign(ZubrikPage, {
    createControl(formAddress, address, kind, fullName, containerAddress) {
      const form = shell.forms.get(formAddress);
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
      shell.setFont(probe.style, fontPixels, bold);
      const shown = text.replace(/\r\n/g, '\n');
      probe.textContent = shown;
      const frame = border ? 2 * labelFrame : 0;
      const lines = shown.split('\n').length;
      return { width: Math.ceil(probe.getBoundingClientRect().width) + frame,
               height: lines * shell.linePitch(fontPixels) + frame };
    },

    putPicture(address, read, width, height) {
      const control = controls.get(address);
      control.read = read;
      control.size = { width, height };
      // Painted once the handler returns or waits (flushPictures), so that a
      // Cls halfway through a frame never reaches the canvas.
    },

    flushSoon() {
      setTimeout(shell.flushPictures, 0);
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
  });

  function makeElement(address, control) {
    let el;
    switch (control.kind) {
      case Kind.button:
        el = document.createElement('button');
        el.type = 'button';
        // A click leaves the focus where it was, as the desktop's buttons do.
        el.addEventListener('mousedown', (event) => event.preventDefault());
        el.addEventListener('click', () => shell.call('zubrik_click', address));
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
    if (control.form === shell.mainForm && stats.firstFrame === null) stats.firstFrame = performance.now();
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
      shell.unlockAudio();
      event.preventDefault();
      el.setPointerCapture(event.pointerId);
      if (el.tabIndex >= 0) el.focus({ preventScroll: true });
      const at = pointerAt(control, event);
      const shift = shell.shiftOf(event);
      if (event.pointerType !== 'mouse') shell.call('zubrik_mouse', address, 0, 0, shift, at.x, at.y);
      const button = [1, 4, 2][event.button] || 0;
      shell.call('zubrik_mouse', address, 1, button, shift, at.x, at.y);
    });
    el.addEventListener('pointermove', (event) => {
      const at = pointerAt(control, event);
      shell.call('zubrik_mouse', address, 0, event.buttons & 7, shell.shiftOf(event), at.x, at.y);
    });
  }

  function applyPlace(control) {
    const { left, top, width, height, visible, enabled, tabIndex } = control.place;
    const s = control.el.style;
    s.left = left + 'px';
    s.top = top + 'px';
    control.el.hidden = !visible;
    control.el.tabIndex = tabIndex;
    if (control.kind === Kind.button) control.el.disabled = !enabled || shell.stopped;
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
    shell.setFont(s, fontPixels, bold);
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
})(window.ZubrikShell, window.ZubrikPage);
