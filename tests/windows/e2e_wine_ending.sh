#!/usr/bin/env bash
# Zubrik: what the player's script leaves to the Windows game alone under Wine and X: the main window's place, the ending's look, and a run-time error's box with status 1.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
USAGE="usage: e2e_wine_ending.sh zubrik_counter_driver.exe [screenshot-dir]"
ZUBRIK=${1:?$USAGE}
SHOTS=${2:-}
source "$(dirname "$0")/e2e_wine_lib.sh"

JUMP=(152 204)

# The game ended on its own with STATUS.
expect_exit() { # expect_exit SCENARIO STATUS
  local status=0
  poll 10 eval '! kill -0 "$GAME_PID" 2>/dev/null' || fail "$1: the game did not end"
  wait "$GAME_PID" || status=$?
  GAME_PID=
  [[ "$status" == "$2" ]] || { cat "$WORK/game.log" >&2; fail "$1: the game ended with status $status, not $2"; }
  echo "ok: $1, status $2"
}

start_xvfb

# One press from the end. The window is centred with its frame, which no
# window manager draws here: the client lies within a border's width across
# and a title bar's down.
start_game 999998
read -r X Y _ _ < <(window_geometry "$WINDOW")
(( X >= 360 - 4 && X <= 360 + 4 && Y >= 260 && Y <= 260 + 32 )) || fail "not centred: client at $X,$Y"
click_at "$WINDOW" "${JUMP[@]}"
BOX=$(wait_window 999999回おめでとう)
[[ -n "$BOX" ]] || fail "the 999999 box did not appear"
xdotool windowfocus --sync "$BOX" || true
xdotool key Return
ENDING=$(new_window Zubrik "$WINDOW") || fail "the ending did not appear after the box"
sleep 0.3
keep_shot ending "$ENDING"
read -r X Y _ _ < <(window_geometry "$ENDING")
shot "$WORK/ending.png" "$X" "$Y" 355 274
# White ground, the rule across at row 56, the button with its caption's ink
# at its place (73 x 25 at 272, 232; white-faced in the system's style).
pixel() { $CONVERT "$WORK/ending.png" -format "%[fx:round(255*p{$1,$2}.intensity)]" info:; }
darkest() { $CONVERT "$WORK/ending.png" -crop "$1" +repage -format "%[fx:round(255*minima.intensity)]" info:; }
(( $(pixel 2 2) == 255 )) || fail "the ending's ground is not white"
(( $(pixel 100 56) < 100 && $(pixel 100 58) == 255 )) || fail "no rule at row 56"
(( $(darkest 57x15+280+237) < 100 )) || fail "no button caption at (272, 232)"
(( $(darkest 73x10+272+262) == 255 )) || fail "something below the button"
click_at "$ENDING" 308 244   # 終わります
expect_exit "the ending's look" 0

# A counter that is no number: the press is a run-time error. Its box, titled
# as the program, says which; OK ends the program with status 1.
start_game 12a
click_at "$WINDOW" "${JUMP[@]}"
BOX=$(new_window Zubrik "$WINDOW") || fail "no error box after the press"
sleep 0.3
keep_shot runtime_error "$BOX"
xdotool windowfocus --sync "$BOX" || true
xdotool key Return
expect_exit "the run-time error's box" 1
echo "e2e wine ending: passed"
