// Zubrik: the page's windows: title bars, the scale that fits the screen, the modal ones, the keys, the message box.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

(function (shell, ZubrikPage) {
  const { forms, controls, messages, modalStack } = shell;
  // The page's window frame: a 1-pixel edge, a title bar over the client area.
  const edge = 1;
  const titleHeight = 20;
  const texts = { close: '閉じる', ok: 'OK' };
  let nextMessage = 1;

  function fit(form) {
    const width = form.width + 2 * edge;
    const height = form.height + 2 * edge + (form.bordered ? titleHeight : 0);
    form.el.style.zoom = String(shell.scaleFor(width, height));
  }

  function fitMessage(box) {
    box.style.zoom = String(shell.scaleFor(box.naturalWidth, box.naturalHeight));
  }

  shell.refit = function refit() {
    for (const form of forms.values())
      if (form.shown) fit(form);
    for (const box of messages.values()) fitMessage(box);
  };

  function topModal() {
    return modalStack.length ? modalStack[modalStack.length - 1] : null;
  }

  // The window that takes the keys: the innermost modal one, else the main one.
  function keyForm() {
    const top = topModal();
    if (top) return top.kind === 'form' ? top.form : null;
    const main = shell.mainForm;
    return main && main.shown ? main : null;
  }

  // The program's table numbers a key (WebInput.cpp): its names go into the
  // program's own buffer rather than a fresh allocation for every key.
  function writeKeyNames(event) {
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
  }

  // Keys the browser would scroll the page with, which the game's windows never want.
  const pageScrollKeys = new Set(['Space', 'ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight',
                                  'Home', 'End', 'PageUp', 'PageDown']);

  // Every press (auto-repeats too) and every release goes to the window that
  // takes the keys. A key the program spent (or is still running: it opened
  // a window) is kept from the browser, so that a focused button does not
  // click on it too, nor Tab move the focus; one it had no use for is the
  // browser's (its shortcuts), but for scrolling the page and for Escape,
  // which would close a dialog behind the program's back.
  function onKey(event, press) {
    // The page's own controls keep their keys.
    if (event.isComposing || shell.ended || (event.target.closest && event.target.closest('#bar'))) return;
    if (press) shell.unlockAudio();
    const top = topModal();
    if (top && top.kind === 'message') return; // the box's own keys: Enter, Space, Escape
    const form = keyForm();
    if (!form) return;
    // Aimed at a window behind the modal one: no window of the game takes it.
    const from = event.target && event.target.closest ? event.target.closest('.window') : null;
    if (from && from !== form.el) {
      event.preventDefault();
      return;
    }
    writeKeyNames(event);
    const posted = shell.post('key', form.address, press, event.shiftKey, event.ctrlKey, event.altKey);
    const spent = Module._zubrik_key_spent(posted) !== 0;
    const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
    if (spent || event.key === 'Escape' || (press && plain && pageScrollKeys.has(event.code)))
      event.preventDefault();
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

  Object.assign(ZubrikPage, {
    createForm(address, name, bordered, backColor) {
      const modal = shell.mainForm !== null;
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
        close.addEventListener('click', () => shell.post('close', address));
        form.title.appendChild(close);
      }
      if (modal) {
        // Escape is the game's key (a dialog leaves on it itself): never the browser's close.
        form.el.addEventListener('cancel', (event) => event.preventDefault());
      } else {
        shell.mainForm = form;
      }
      form.el.hidden = !modal;
      shell.watchPointer(form.client);
      shell.desktop().appendChild(form.el);
      forms.set(address, form);
    },

    updateForm(address, caption, width, height) {
      const form = forms.get(address);
      form.caption.textContent = caption;
      form.width = width;
      form.height = height;
      form.client.style.width = width + 'px';
      form.client.style.height = height + 'px';
      for (const control of shell.controls.values())
        if (control.form === form && control.el && control.place) shell.applySight(control);
      if (form.shown) fit(form);
    },

    showForm(address) {
      const form = forms.get(address);
      form.shown = true;
      fit(form);
      shell.orderTabStops(form);
      if (form.modal) {
        if (!form.el.open) form.el.showModal();
        modalStack.push({ kind: 'form', form });
      } else {
        form.el.hidden = false;
      }
      const wanted = controls.get(form.wantFocus);
      if (wanted && wanted.el) wanted.el.focus({ preventScroll: true });
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
        shell.wake();
      });
      shell.desktop().appendChild(box);
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
  });

  // A press moves the keyboard focus by the program's rule alone (a press on
  // a control goes to it first): a press on a window's face, its title bar, a
  // window behind a modal one or the page itself leaves the focus where it
  // is, as the desktop does. The message box's OK is the one native control.
  function keepFocus(event) {
    if (!event.target.closest || !event.target.closest('dialog.message button')) event.preventDefault();
  }

  document.addEventListener('mousedown', keepFocus, true);
  document.addEventListener('keydown', (event) => onKey(event, true), true);
  document.addEventListener('keyup', (event) => onKey(event, false), true);
  window.addEventListener('resize', shell.refit);
})(window.ZubrikShell, window.ZubrikPage);
