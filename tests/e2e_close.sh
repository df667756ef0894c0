#!/usr/bin/env bash
# Zubrik: closing the main window at any moment ends the game cleanly, with status 0.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# There is no window manager under Xvfb to click a close box, so the close
# request is sent as a window manager sends it: a WM_PROTOCOLS client message
# carrying WM_DELETE_WINDOW (zubrik_wm_close, built beside the tests). The
# tools at hand do something else: `xdotool windowkill` cuts the program's X
# connection (a crash, not a close), and `wmctrl -c` or `xdo close` ask a window
# manager (_NET_CLOSE_WINDOW), of which there is none.
ZUBRIK=${1:?usage: e2e_close.sh path/to/zubrik path/to/zubrik_wm_close}
WM_CLOSE=${2:?usage: e2e_close.sh path/to/zubrik path/to/zubrik_wm_close}
source "$(dirname "$0")/e2e_lib.sh"

JUMP=(152 204); PAUSE=(48 232); REPLAY=(120 232); NIKUSEL=(56 204)
passed=0

stage() { shot "$1" "$X" "$Y" 303 183; }
close_main() { "$WM_CLOSE" "$WINDOW" || fail "the close request could not be sent"; }

counted_clean_exit() { # counted_clean_exit SCENARIO
  expect_clean_exit "$1"
  passed=$((passed + 1))
}

still_running() { # still_running SCENARIO
  sleep 0.5
  kill -0 "$GAME_PID" 2>/dev/null || fail "$1: the game ended"
  xdotool search --onlyvisible --name '^Zubrik$' >/dev/null || fail "$1: the main window went away"
}

new_game() {
  start_game
  read -r X Y _ _ < <(window_geometry "$WINDOW")
  stage "$WORK/standing.png"
}

start_xvfb

new_game
close_main
counted_clean_exit "standing"

# Closed within a few ticks of the press, before the landing.
new_game
xdotool mousemove --window "$WINDOW" "${JUMP[@]}" click 1
close_main
counted_clean_exit "flying"

# Paused in mid-air, the overlay on screen. On a busy machine the pause may
# come after the landing, when it does nothing; then try again.
new_game
for attempt in 1 2 3 4 5; do
  xdotool mousemove --window "$WINDOW" "${JUMP[@]}" click 1 sleep 0.06 \
          mousemove --window "$WINDOW" "${PAUSE[@]}" click 1
  sleep 0.3
  stage "$WORK/paused.png"
  (( $(differing_pixels "$WORK/standing.png" "$WORK/paused.png") > 200 )) && break
  (( attempt < 5 )) || fail "paused: no jump could be paused in the air"
done
sleep 0.3
stage "$WORK/paused-later.png"
(( $(differing_pixels "$WORK/paused.png" "$WORK/paused-later.png") == 0 )) || fail "paused: the frame moved"
close_main
counted_clean_exit "paused"

# During a replay (a jump of 12 ticks of 150 ms), its caption on screen.
new_game
click_at "$WINDOW" "${REPLAY[@]}"
sleep 0.5
stage "$WORK/replay.png"
(( $(differing_pixels "$WORK/standing.png" "$WORK/replay.png") > 200 )) || fail "replay: nothing moved"
close_main
counted_clean_exit "replaying"

# A selection dialog is modal: the main window refuses to close under it. Once
# the dialog is gone, the close goes through.
new_game
click_at "$WINDOW" "${NIKUSEL[@]}"
DIALOG=$(wait_window "肉選択")
[[ -n "$DIALOG" ]] || fail "dialog: the character select did not open"
close_main
still_running "dialog open"
xdotool search --onlyvisible --name '^肉選択$' >/dev/null || fail "dialog open: the dialog went away"
"$WM_CLOSE" "$DIALOG" || fail "the close request could not be sent to the dialog"
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^肉選択$' >/dev/null 2>&1 || break
  sleep 0.1
done
still_running "dialog closed"
stage "$WORK/after-dialog.png"
(( $(differing_pixels "$WORK/standing.png" "$WORK/after-dialog.png") == 0 )) || fail "dialog: its close box changed the picture"
close_main
counted_clean_exit "after a dialog was open"

# The same for a message box: ten jumps bring the first one.
new_game
for n in $(seq 1 10); do
  click_at "$WINDOW" "${JUMP[@]}"
  (( n < 10 )) && sleep 0.45
done
BOX=$(wait_window "10回おめでとう")
[[ -n "$BOX" ]] || fail "box: no box after ten jumps"
close_main
still_running "box open"
xdotool windowfocus --sync "$BOX" || true
xdotool key Return
sleep 0.3
close_main
counted_clean_exit "after a box was open"

echo "e2e close: $passed passed, 0 failed"
