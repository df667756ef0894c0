#!/usr/bin/env bash
# Zubrik: the real game under X: its window, and a jump seen on screen.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
ZUBRIK=${1:?usage: e2e_main_window.sh path/to/zubrik}
source "$(dirname "$0")/e2e_lib.sh"

start_xvfb
start_game

read -r X Y W H < <(window_geometry "$WINDOW")
[[ "$W" == 303 && "$H" == 247 ]] || fail "client area is ${W}x${H}, not 303x247"
TITLE=$(xdotool getwindowname "$WINDOW")
[[ "$TITLE" == "Zubrik" ]] || fail "title is '$TITLE'"
# Centred on the 1024 x 768 screen.
(( X == (1024 - 303) / 2 || X == (1024 - 303 + 1) / 2 )) || fail "not centred across: x = $X"
(( Y == (768 - 247) / 2 || Y == (768 - 247 + 1) / 2 )) || fail "not centred down: y = $Y"

# The stage area, then a jump: the meat leaves the ground and lands again.
shot "$WORK/standing.png" "$X" "$Y" 303 183
shot "$WORK/counter0.png" $((X + 240)) $((Y + 224)) 49 17
click_at "$WINDOW" 152 204   # ジャンプ
moved=0
for i in $(seq 1 12); do
  shot "$WORK/flight$i.png" "$X" "$Y" 303 183
  if [[ $(differing_pixels "$WORK/standing.png" "$WORK/flight$i.png") -gt 200 ]]; then
    moved=1
  fi
done
(( moved )) || fail "no screenshot showed the meat in the air"
sleep 0.6
shot "$WORK/landed.png" "$X" "$Y" 303 183
[[ $(differing_pixels "$WORK/standing.png" "$WORK/landed.png") -eq 0 ]] || fail "the meat did not land where it stood"

# The counter no longer shows its start-up "0".
shot "$WORK/counter1.png" $((X + 240)) $((Y + 224)) 49 17
[[ $(differing_pixels "$WORK/counter0.png" "$WORK/counter1.png") -gt 0 ]] || fail "the counter did not change"
kill -0 "$GAME_PID" || fail "the game ended by itself"
echo "e2e main window: 1 passed, 0 failed"
