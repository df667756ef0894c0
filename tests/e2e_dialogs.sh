#!/usr/bin/env bash
# Zubrik: the real game under X: both selection dialogs, in normal and in hidden mode.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
ZUBRIK=${1:?usage: e2e_dialogs.sh path/to/zubrik}
source "$(dirname "$0")/e2e_lib.sh"

# Client coordinates of the main window's buttons.
JUMP=(152 204); NIKUSEL=(56 204); STGSEL=(248 204); PAUSE=(48 232)

wait_window() { # wait_window TITLE: prints the visible window's id
  timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1 || true
}
wait_gone() { # wait_gone TITLE
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "'$1' is still open"
}
pic_shot() { shot "$1" "$MX" "$MY" 303 183; }

# Opens a dialog from its button, checks its client size and keeps a picture of
# it; the main picture as it was before goes to before.png (the dialog covers it).
open_dialog() { # open_dialog TITLE BUTTON_X BUTTON_Y WIDTH HEIGHT SHOT
  pic_shot "$WORK/before.png"
  click_at "$WINDOW" "$2" "$3"
  DIALOG=$(wait_window "$1")
  [[ -n "$DIALOG" ]] || fail "'$1' did not open"
  sleep 0.2
  local x y w h
  read -r x y w h < <(window_geometry "$DIALOG")
  [[ "$w" == "$4" && "$h" == "$5" ]] || fail "'$1' is ${w}x${h}, not ${4}x${5}"
  shot "$6" "$x" "$y" "$w" "$h"
}

# Once the dialog has gone, the main picture must differ from before.png.
picked() { # picked TITLE
  wait_gone "$1"
  sleep 0.1
  pic_shot "$WORK/after.png"
  local changed
  changed=$(differing_pixels "$WORK/before.png" "$WORK/after.png")
  (( changed > 500 )) || fail "picking in '$1' changed only $changed pixels of the main picture"
}

# Picks in the open dialog at a point of its client area.
pick() { # pick TITLE X Y
  click_at "$DIALOG" "$2" "$3"
  picked "$1"
}

# By keyboard alone: Tab moves to the next button, Space opens its dialog,
# the keys given pick in it.
key_pick() { # key_pick TITLE KEY...
  local title=$1
  shift
  pic_shot "$WORK/before.png"
  xdotool windowfocus --sync "$WINDOW" || true
  xdotool key Tab space
  DIALOG=$(wait_window "$title")
  [[ -n "$DIALOG" ]] || fail "'$title' did not open from the keyboard"
  xdotool windowfocus --sync "$DIALOG" || true
  xdotool key --delay 50 "$@"
  picked "$title"
}

start_xvfb
start_game
read -r MX MY _ _ < <(window_geometry "$WINDOW")

# The keyboard alone, the mouse out of the way: Jump has the focus at start,
# Tab reaches 肉選択, and after it ステージ選択.
xdotool mousemove 0 0
key_pick "肉選択" Right Right Right Return     # とり肉
key_pick "ステージ選択" End Return             # 宇宙空間

# Normal mode: three of each. Escape leaves the game as it was.
open_dialog "肉選択" "${NIKUSEL[@]}" 359 236 "$WORK/form2.png"
xdotool windowfocus --sync "$DIALOG" || true
xdotool key Escape
wait_gone "肉選択"
pic_shot "$WORK/after.png"
[[ $(differing_pixels "$WORK/before.png" "$WORK/after.png") -eq 0 ]] || fail "Escape changed the picture"
xdotool windowfocus --sync "$WINDOW" || true

open_dialog "肉選択" "${NIKUSEL[@]}" 359 236 "$WORK/form2.png"
pick "肉選択" 174 91                # 牛肉, strip at (8, 64), cell 1 centre
open_dialog "ステージ選択" "${STGSEL[@]}" 423 245 "$WORK/form3.png"
pick "ステージ選択" 208 88          # 砂漠地帯, strip at (8, 48), thumbnail 1
# A click on a thumbnail boundary picks nothing.
open_dialog "ステージ選択" "${STGSEL[@]}" 423 245 "$WORK/form3.png"
click_at "$DIALOG" $((8 + 134)) 60
sleep 0.3
xdotool search --onlyvisible --name '^ステージ選択$' >/dev/null || fail "a boundary click closed the dialog"
xdotool windowfocus --sync "$DIALOG" || true
xdotool key Escape
wait_gone "ステージ選択"

# Thirty jumps (desert and beef land after 9 ticks), answering the box at 10.
for n in $(seq 1 30); do
  click_at "$WINDOW" "${JUMP[@]}"
  if (( n == 10 )); then
    BOX=$(wait_window "10回おめでとう")
    [[ -n "$BOX" ]] || fail "no box at 10 jumps"
    xdotool windowfocus --sync "$BOX" || true
    xdotool key Return
    wait_gone "10回おめでとう"
  fi
  sleep 0.3
done

# The code, typed while a jump is paused: a long flight in space leaves time
# to pause it.
open_dialog "ステージ選択" "${STGSEL[@]}" 423 245 "$WORK/form3.png"
pick "ステージ選択" 342 88          # 宇宙空間, thumbnail 2
click_at "$WINDOW" "${JUMP[@]}"
sleep 0.1
click_at "$WINDOW" "${PAUSE[@]}"
xdotool windowfocus --sync "$WINDOW" || true
for key in Up Up a Right b Down Left Left a Down; do
  xdotool key "$key"
  sleep 0.05
done
click_at "$WINDOW" "${PAUSE[@]}"
sleep 0.5

# Hidden mode: four of each, picked from the new places.
open_dialog "肉選択" "${NIKUSEL[@]}" 471 236 "$WORK/form2_hidden.png"
pick "肉選択" 399 91                # キン肉, cell 3
open_dialog "ステージ選択" "${STGSEL[@]}" 557 245 "$WORK/form3_hidden.png"
pick "ステージ選択" 476 88          # リング, thumbnail 3

kill -0 "$GAME_PID" || fail "the game ended by itself"
echo "e2e dialogs: passed"
