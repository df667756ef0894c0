// Zubrik: the page's timers, on a grid that does not drift, and the beep through Web Audio.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

(function (shell, ZubrikPage) {
  const { timers, stats } = shell;
  const tickHistory = 2000;
  // Made at the player's first gesture, as browsers allow; false where the
  // browser has no audio.
  let audio = null;

  shell.unlockAudio = () => {
    if (audio === null) {
      try {
        audio = new AudioContext();
      } catch (error) {
        audio = false;
      }
    }
    if (audio && audio.state === 'suspended') audio.resume();
  };

  Object.assign(ZubrikPage, {
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

    // The n-th tick is due at start + n * interval, whatever the lateness of
    // the ones before; a timer far behind (a page in the background) starts
    // its grid afresh rather than firing the missed ticks in a burst.
    startTimer(address, interval) {
      ZubrikPage.stopTimer(address);
      if (shell.stopped) return;
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
        shell.call('zubrik_tick', address);
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
  });

  document.addEventListener('pointerdown', shell.unlockAudio, true);
})(window.ZubrikShell, window.ZubrikPage);
