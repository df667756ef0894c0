// Zubrik: the page's timers, each a one-shot wake-up the program asks for, and the beep through Web Audio.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
'use strict';

(function (shell, ZubrikPage) {
  const { timers, stats } = shell;
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

    // The timer keeps its own schedule: here it only asks to be woken.
    wakeTimerIn(address, milliseconds) {
      ZubrikPage.cancelTimer(address);
      timers.set(address, setTimeout(() => {
        timers.delete(address);
        stats.wakes++;
        shell.post('wake', address);
      }, milliseconds));
    },

    cancelTimer(address) {
      clearTimeout(timers.get(address));
      timers.delete(address);
    },
  });

  document.addEventListener('pointerdown', shell.unlockAudio, true);
})(window.ZubrikShell, window.ZubrikPage);
