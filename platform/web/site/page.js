// Zubrik: the page: what its files share, the events into the program, the fonts, the run's end, the start.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// The program (zubrik.js, built from platform/web/) tells this page what to
// show through ZubrikPage, naming every element by the address of the model
// it shows, and takes the player's events back: the page posts each one and
// wakes the program's event loop, which sleeps between events. Nothing here
// decides anything of the game. The page's files, run in this order:
// page.js (in the head, so that the program is fetched and compiled while the
// page is read), page_controls.js, page_windows.js, page_timers.js,
// page_screen.js; each adds its part of ZubrikPage and shares its state and
// helpers through ZubrikShell.
'use strict';

(function () {
  // Cheap figures for the tests and measurements, always kept: the time of
  // the first frame, the timers' wake-ups posted, the beeps, the run's status.
  const stats = (window.zubrik = { firstFrame: null, wakes: 0, beeps: 0, exitCode: null });
  const fontFamily = '"Zubrik Sans", "IPAPGothic", "Noto Sans CJK JP", sans-serif';
  const texts = {
    stopped: '実行時エラーのため、ゲームを止めました。ページを読み込み直すと、はじめから遊べます。',
    ended: 'ゲームは終わりました。ページを読み込み直すと、はじめから遊べます。',
  };
  // How to wake the sleeping event loop; null while the program runs.
  let wakeUp = null;

  const shell = {
    stats,
    forms: new Map(),
    controls: new Map(),
    timers: new Map(),
    messages: new Map(),
    // Open modal windows and boxes, innermost last: the last one takes the keys.
    modalStack: [],
    mainForm: null,
    ended: false,

    desktop: () => document.getElementById('desktop'),

    // Hands an event to the program (zubrik_post_<name>, WebEvents.cpp) and
    // returns what that gave back, once the program has run it, and what it
    // started, up to its next sleep; then every visible picture shows as the
    // handlers left it. An event that comes while the program runs (one the
    // page's own call set off) waits in the queue for the loop.
    post(name, ...args) {
      if (shell.ended) return -1;
      const answer = Module['_zubrik_post_' + name](...args);
      shell.wake();
      return answer;
    },

    // The loop looks again (a box has closed).
    wake() {
      const wake = wakeUp;
      if (!wake) return;
      wakeUp = null;
      wake();
      shell.flushPictures();
    },

    // Property by property: the shorthand would reset the proportional kana.
    setFont(style, pixels, bold) {
      style.fontFamily = fontFamily;
      style.fontSize = pixels + 'px';
      style.fontWeight = bold ? 'bold' : 'normal';
      style.lineHeight = shell.linePitch(pixels) + 'px';
      style.fontFeatureSettings = '"palt" 1';
    },

    // Lines are set as tight as the windows were laid out for: one pixel more
    // than the font's size.
    linePitch: (pixels) => pixels + 1,
  };

  const fontOf = (pixels, bold) => (bold ? 'bold ' : '') + pixels + 'px ' + fontFamily;

  const ZubrikPage = {
    sleep(wake) {
      wakeUp = wake;
    },

    // The program's run is over: the game stops where it stands, and the
    // note says why.
    runEnded(exitStatus) {
      shell.ended = true;
      stats.exitCode = exitStatus;
      for (const address of [...shell.timers.keys()]) ZubrikPage.cancelTimer(address);
      for (const control of shell.controls.values()) {
        if (!control.el) continue;
        if (control.el.tagName === 'BUTTON') control.el.disabled = true;
        control.el.style.pointerEvents = 'none';
      }
      shell.flushPictures();
      document.body.classList.add('stopped');
      const shown = document.getElementById('note');
      shown.textContent = exitStatus === 0 ? texts.ended : texts.stopped;
      shown.hidden = false;
    },
  };

  window.ZubrikShell = shell;
  window.ZubrikPage = ZubrikPage;

  // Both asked for as soon as this script runs, beside the program's own
  // script rather than after it: the program compiles while the rest of the
  // page arrives, and the fonts decode meanwhile.
  const fontsIn = Promise.all([document.fonts.load(fontOf(12, false), 'ジャンプ'),
                               document.fonts.load(fontOf(12, true), '0')]);
  const wasm = document.querySelector('link[rel="preload"][type="application/wasm"]').href;
  const fetchWasm = () => fetch(wasm, { credentials: 'same-origin' });
  // A host that serves it under another type refuses the streaming compile:
  // then it is compiled from its bytes.
  const fromBytes = () => fetchWasm().then((response) => response.arrayBuffer()).then(WebAssembly.compile);
  const compiled = typeof WebAssembly.compileStreaming === 'function'
    ? WebAssembly.compileStreaming(fetchWasm()).catch(fromBytes) : fromBytes();

  // The program starts once the game's font is in: labels size themselves to
  // their captions as the window loads.
  window.Module = {
    instantiateWasm(imports, receive) {
      compiled.then((module) => WebAssembly.instantiate(module, imports).then((instance) => {
        performance.mark('zubrik-instantiated');
        receive(instance, module);
      })).catch((error) => console.error('Zubrik could not start: ' + error));
      return {};
    },
    preRun: [() => {
      Module.addRunDependency('fonts');
      fontsIn.finally(() => Module.removeRunDependency('fonts'));
    }],
    onRuntimeInitialized: () => performance.mark('zubrik-main'),
    postRun: [() => shell.flushPictures()],
  };
})();
