// Zubrik: the page: what its files share, the calls into the program, the fonts, the game's stop, the start.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
//
// The program (zubrik.js, built from platform/web/) tells this page what to
// show through ZubrikPage, naming every element by the address of the model
// it shows, and takes the events back through its exports. Nothing here
// decides anything of the game. The page's files, loaded in this order:
// page.js, page_controls.js, page_windows.js, page_timers.js; each adds its
// part of ZubrikPage and shares its state and helpers through ZubrikShell.
'use strict';

(function () {
  // Cheap figures for the measurements, always kept.
  const stats = (window.zubrik = { firstFrame: null, ticks: [], beeps: 0, exitCode: null, ended: false });
  const fontFamily = '"Zubrik Sans", "IPAPGothic", "Noto Sans CJK JP", sans-serif';
  const texts = {
    stopped: '実行時エラーのため、ゲームを止めました。ページを読み込み直すと、はじめから遊べます。',
    ended: 'ゲームは終わりました。ページを読み込み直すと、はじめから遊べます。',
  };

  const shell = {
    stats,
    forms: new Map(),
    controls: new Map(),
    timers: new Map(),
    messages: new Map(),
    // Open modal windows and boxes, innermost last: the last one takes the keys.
    modalStack: [],
    mainForm: null,
    stopped: false,

    desktop: () => document.getElementById('desktop'),

    // Into the program; then every visible picture is shown as the handler left it.
    call(name, ...args) {
      if (shell.stopped) return 0;
      const result = Module['_' + name](...args);
      shell.flushPictures();
      return result;
    },

    shiftOf(event) {
      return (event.shiftKey ? 1 : 0) + (event.ctrlKey ? 2 : 0) + (event.altKey ? 4 : 0);
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
    // A run-time error has shown its box: the game stops where it stands.
    quit(exitCode) {
      stats.exitCode = exitCode;
      ZubrikPage.stop(texts.stopped);
    },

    // No window is left: the game is over, as the program would end.
    end() {
      if (shell.stopped) return;
      stats.ended = true;
      if (stats.exitCode === null) stats.exitCode = 0;
      ZubrikPage.stop(texts.ended);
    },

    stop(note) {
      shell.stopped = true;
      for (const address of [...shell.timers.keys()]) ZubrikPage.stopTimer(address);
      for (const control of shell.controls.values()) {
        if (!control.el) continue;
        if (control.el.tagName === 'BUTTON') control.el.disabled = true;
        control.el.style.pointerEvents = 'none';
      }
      document.body.classList.add('stopped');
      const shown = document.getElementById('note');
      shown.textContent = note;
      shown.hidden = false;
    },
  };

  window.ZubrikShell = shell;
  window.ZubrikPage = ZubrikPage;

  // The program starts once the game's font is in: labels size themselves to
  // their captions as the window loads.
  window.Module = {
    preRun: [() => {
      Module.addRunDependency('fonts');
      Promise.all([document.fonts.load(fontOf(12, false), 'ジャンプ'), document.fonts.load(fontOf(12, true), '0')])
        .finally(() => Module.removeRunDependency('fonts'));
    }],
    postRun: [() => shell.flushPictures()],
  };
})();
