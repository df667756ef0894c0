// Zubrik: the page's screen: how large the windows are drawn, the full-screen switch in the page's own bar, the reading order.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

(function (shell, ZubrikPage) {
  // Room kept free around a window, in CSS pixels.
  const margin = 4;
  // The page's bar above the windows, where the full-screen switch sits: as
  // high as page.css makes it, taller for a finger than for a mouse.
  const coarse = window.matchMedia('(pointer: coarse)');
  const barHeight = () => (coarse.matches ? 52 : 32);
  const texts = { fullScreen: '全画面' };

  // Device pixels per picture pixel for a window of width x height CSS
  // pixels in a room of roomWidth x roomHeight, returned as the CSS zoom to
  // give it. Where the window is the page (full screen, installed, or a
  // touch screen, whose player holds it close), it is drawn as large as the
  // room allows in whole device pixels, so that every picture pixel is the
  // same square. On a desktop's tab it keeps the small window it always was:
  // the screen's ratio rounded (1.25 gives 1, 1.5 gives 2), less where it
  // would not fit; where a whole number would shrink it by more than a third
  // (a wide window on a phone), it fills the room instead, still drawn
  // nearest-neighbour. No whole number fits a room smaller than the window
  // in device pixels: it is then shrunk to fit.
  function scaleFor({ width, height, roomWidth, roomHeight, ratio, large }) {
    const room = Math.min(roomWidth / width, roomHeight / height) * ratio;
    const whole = Math.floor(room);
    if (large) return (whole >= 1 ? whole : room) / ratio;
    const best = Math.min(Math.max(1, Math.round(ratio)), room);
    const bestWhole = Math.floor(best);
    return (bestWhole >= 1 && bestWhole >= best * 2 / 3 ? bestWhole : best) / ratio;
  }

  const queries = ['(display-mode: fullscreen)', '(display-mode: standalone)']
    .map((query) => window.matchMedia(query)).concat(coarse);
  const large = () => document.fullscreenElement != null || queries.some((query) => query.matches);
  const bar = document.getElementById('bar');
  const barShown = () => bar !== null && !bar.hidden;

  // The window's own size, not the document's: reading that would lay the
  // page out before its time.
  shell.scaleFor = (width, height) => scaleFor({
    width, height,
    roomWidth: window.innerWidth - 2 * margin,
    roomHeight: window.innerHeight - 2 * margin - (barShown() ? barHeight() : 0),
    ratio: window.devicePixelRatio || 1,
    large: large(),
  });

  // Hidden where the browser cannot fill the screen (a phone's Safari):
  // a switch that does nothing would only mislead.
  if (bar && document.fullscreenEnabled) {
    const button = document.getElementById('full-screen');
    button.textContent = texts.fullScreen;
    const update = () => button.setAttribute('aria-pressed', String(document.fullscreenElement != null));
    button.addEventListener('click', () => {
      const asked = document.fullscreenElement ? document.exitFullscreen()
                                               : document.documentElement.requestFullscreen();
      // Refused (no gesture, a frame that may not): the page stays as it is.
      asked.catch(() => {});
    });
    document.addEventListener('fullscreenchange', () => {
      update();
      shell.refit();
    });
    update();
    bar.hidden = false;
  }
  for (const query of queries) query.addEventListener('change', () => shell.refit());

  // The controls Tab stops at, in its order, as the program makes the window.
  ZubrikPage.tabStop = (formAddress, address) => {
    const form = shell.forms.get(formAddress);
    (form.tabStops || (form.tabStops = [])).push(address);
  };

  // Tab is the program's, and a screen reader reads the document: so the
  // controls Tab stops at stand in the document in Tab's order. Each parent's
  // take the places its stops already held, so that whatever else stands
  // between them (and paints over or under them) stays where it was. Before
  // the window takes the focus: a moved element loses it.
  shell.orderTabStops = (form) => {
    const byParent = new Map();
    for (const address of form.tabStops || []) {
      const control = shell.controls.get(address);
      if (!control || !control.el) continue;
      const parent = control.el.parentNode;
      if (!byParent.has(parent)) byParent.set(parent, []);
      byParent.get(parent).push(control.el);
    }
    for (const [parent, stops] of byParent) {
      const places = [...parent.children].filter((child) => stops.includes(child)).map((child) => {
        const place = document.createComment('');
        parent.replaceChild(place, child);
        return place;
      });
      places.forEach((place, i) => parent.replaceChild(stops[i], place));
    }
  };

  // For the tests, which run the arithmetic without a browser.
  if (typeof module === 'object') module.exports = { scaleFor };
})(window.ZubrikShell, window.ZubrikPage);
