#!/usr/bin/env bash
# Zubrik: the real game under X: its window, a jump, a pause, a resume and a replay seen on screen.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
ZUBRIK=${1:?usage: e2e_main_window.sh path/to/zubrik}
source "$(dirname "$0")/e2e_lib.sh"

JUMP=(152 204); PAUSE=(48 232); REPLAY=(120 232)

start_xvfb
start_game

read -r X Y W H < <(window_geometry "$WINDOW")
[[ "$W" == 303 && "$H" == 247 ]] || fail "client area is ${W}x${H}, not 303x247"
TITLE=$(xdotool getwindowname "$WINDOW")
[[ "$TITLE" == "Zubrik" ]] || fail "title is '$TITLE'"
# Centred on the 1024 x 768 screen.
(( X == (1024 - 303) / 2 || X == (1024 - 303 + 1) / 2 )) || fail "not centred across: x = $X"
(( Y == (768 - 247) / 2 || Y == (768 - 247 + 1) / 2 )) || fail "not centred down: y = $Y"

stage() { shot "$1" "$X" "$Y" 303 183; }
changed() { differing_pixels "$1" "$2"; }
# Mean of one channel (0..1) over a rectangle of a picture.
channel_mean() { # channel_mean FILE CHANNEL X Y W H
  $CONVERT "$1" -crop "${5}x${6}+${3}+${4}" +repage -format "%[fx:mean.$2]" info:
}

stage "$WORK/standing.png"
shot "$WORK/counter0.png" $((X + 240)) $((Y + 224)) 49 17

# A jump, paused in mid-air. A flight lasts a quarter of a second, so on a busy
# machine the pause may come after the landing; then it does nothing and we try again.
paused=0
for attempt in 1 2 3 4 5; do
  xdotool mousemove --window "$WINDOW" "${JUMP[@]}" click 1 sleep 0.06 \
          mousemove --window "$WINDOW" "${PAUSE[@]}" click 1
  sleep 0.3
  stage "$WORK/paused.png"
  if (( $(changed "$WORK/standing.png" "$WORK/paused.png") > 200 )); then paused=1; break; fi
done
(( paused )) || fail "no jump could be paused in the air"
sleep 0.5
stage "$WORK/paused-later.png"
(( $(changed "$WORK/paused.png" "$WORK/paused-later.png") == 0 )) || fail "the paused frame moved"
# The red "Pause" lies in the middle of the picture.
red=$(channel_mean "$WORK/paused.png" r 126 83 51 18); green=$(channel_mean "$WORK/paused.png" g 126 83 51 18)
awk -v r="$red" -v g="$green" 'BEGIN { exit !(r > g + 0.2) }' || fail "no red overlay while paused (r $red, g $green)"

# Resume: the jump goes on and lands where it stood.
click_at "$WINDOW" "${PAUSE[@]}"
sleep 1
stage "$WORK/landed.png"
(( $(changed "$WORK/standing.png" "$WORK/landed.png") == 0 )) || fail "the meat did not land where it stood"
shot "$WORK/counter1.png" $((X + 240)) $((Y + 224)) 49 17
(( $(changed "$WORK/counter0.png" "$WORK/counter1.png") > 0 )) || fail "the counter did not change"

# A replay runs slowly, with its red caption at the top left, and lands again.
click_at "$WINDOW" "${REPLAY[@]}"
sleep 0.5
stage "$WORK/replay.png"
(( $(changed "$WORK/standing.png" "$WORK/replay.png") > 200 )) || fail "the replay did not show"
red=$(channel_mean "$WORK/replay.png" r 10 10 70 15); green=$(channel_mean "$WORK/replay.png" g 10 10 70 15)
awk -v r="$red" -v g="$green" 'BEGIN { exit !(r > 0.9 && g < 0.5) }' || fail "no replay caption (r $red, g $green)"
sleep 2.5
stage "$WORK/replayed.png"
(( $(changed "$WORK/standing.png" "$WORK/replayed.png") == 0 )) || fail "the replay did not end standing"

kill -0 "$GAME_PID" || fail "the game ended by itself"
echo "e2e main window: 1 passed, 0 failed"
