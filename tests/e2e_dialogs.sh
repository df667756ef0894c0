#!/usr/bin/env bash
# Zubrik: the real game under X: both selection dialogs, in normal and in hidden mode.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
ZUBRIK=${1:?usage: e2e_dialogs.sh path/to/zubrik}
source "$(dirname "$0")/e2e_lib.sh"

# Client coordinates of the main window's buttons.
JUMP=(152 204); NIKUSEL=(56 204); STGSEL=(248 204); PAUSE=(48 232)

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

PICTURES="$(dirname "$0")/../assets/pictures"
GREY='rgb(224,224,224)'

# The character strip as it must look: grey, each cell's sprite laid through its
# mask at its place; the hidden character's whole picture reduced to a cell.
expected_characters() { # expected_characters CELLS FILE
  local args=(-size "$(( $1 == 4 ? 450 : 338 ))x57" "xc:$GREY") x=(8 120 232 345) i
  for (( i = 0; i < $1; i++ )); do
    local sheet=$PICTURES/niku.png cell="92x42+$((92 * i))" rows=42 size=()
    (( i == 3 )) && sheet=$PICTURES/nikuk.png cell="82x67+0" rows=67 size=(-sample '92x42!')
    args+=(\( "$sheet" -crop "$cell+$rows" +repage "${size[@]}" \) -geometry "+${x[i]}+6" -compose Multiply -composite
           \( "$sheet" -crop "$cell+0" +repage "${size[@]}" \) -geometry "+${x[i]}+6" -compose Plus -composite)
  done
  $CONVERT "${args[@]}" "$2"
}

# The stage strip: every stage picture reduced to 133 x 81, one every 134 pixels.
expected_stages() { # expected_stages CELLS FILE
  local args=(-size "$(( $1 * 134 ))x81" "xc:$GREY") i
  for (( i = 0; i < $1; i++ )); do
    args+=(\( "$PICTURES/bg$i.png" -sample '133x81!' \) -geometry "+$((134 * i))+0" -compose Over -composite)
  done
  $CONVERT "${args[@]}" "$2"
}

# Left edge and width of the ink in a rectangle of a picture; "0 0" when blank.
ink_extent() { # ink_extent FILE W H X Y
  local box
  box=$($CONVERT "$1" -crop "${2}x${3}+${4}+${5}" +repage -threshold 60% -negate -format '%@' info: 2>/dev/null)
  [[ "$box" =~ ^([0-9]+)x[0-9]+\+([0-9]+)\+ && "${BASH_REMATCH[1]}" != 0 ]] || { echo "0 0"; return; }
  echo "${BASH_REMATCH[2]} ${BASH_REMATCH[1]}"
}

# What a dialog shows: its strip pixel for pixel at its place, and a name
# centred under each cell (in a span of SPAN pixels from the cell's left);
# right of the strip, no name.
check_strip() { # check_strip SHOT EXPECTED STRIP_X STRIP_Y SPAN NAMES_Y CELL_X...
  local shot=$1 expected=$2 sx=$3 sy=$4 span=$5 ny=$6 w h cx
  shift 6
  read -r w h < <(identify -format '%w %h\n' "$expected")
  local wrong
  $CONVERT "$shot" -crop "${w}x${h}+${sx}+${sy}" +repage "$WORK/strip.png"
  wrong=$(compare -metric AE "$WORK/strip.png" "$expected" null: 2>&1 || true)
  [[ "$wrong" == 0 ]] || fail "$shot: $wrong pixels of the strip differ from the pictures"
  for cx in "$@"; do
    local left width
    read -r left width < <(ink_extent "$shot" "$span" 16 $((sx + cx)) "$ny")
    (( width > 0 )) || fail "$shot: no name under the cell at $cx"
    local off=$(( 2 * left + width - span ))
    (( off >= -4 && off <= 4 )) || fail "$shot: the name under the cell at $cx is off centre ($off half-pixels)"
  done
  local beyond=$((sx + w)) shot_w
  shot_w=$(identify -format '%w' "$shot")
  read -r _ width < <(ink_extent "$shot" $((shot_w - beyond)) 16 "$beyond" "$ny")
  (( width == 0 )) || fail "$shot: a name right of the strip"
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

# By keyboard alone: the opening keys (Tab space: Tab moves to the next
# button, Space opens its dialog) open it, the keys given go to it.
keys_in_dialog() { # keys_in_dialog TITLE OPENING_KEYS KEY...
  local title=$1 opening=$2
  shift 2
  pic_shot "$WORK/before.png"
  xdotool windowfocus --sync "$WINDOW" || true
  xdotool key $opening
  DIALOG=$(wait_window "$title")
  [[ -n "$DIALOG" ]] || fail "'$title' did not open from the keyboard"
  xdotool windowfocus --sync "$DIALOG" || true
  xdotool key --delay 50 "$@"
}

start_xvfb
start_game
read -r MX MY _ _ < <(window_geometry "$WINDOW")

# The keyboard alone, the mouse out of the way: Jump has the focus at start,
# Tab reaches 肉選択, and after it ステージ選択.
xdotool mousemove 0 0
keys_in_dialog "肉選択" "Tab space" Right Right Right Return     # とり肉
picked "肉選択"
keys_in_dialog "ステージ選択" "Tab space" End Return             # 宇宙空間
picked "ステージ選択"
# Escape as soon as a key has marked a choice, as the other keys come: the
# dialog goes and the game stays as it was.
keys_in_dialog "ステージ選択" space Right Escape
wait_gone "ステージ選択"
pic_shot "$WORK/after.png"
[[ $(differing_pixels "$WORK/before.png" "$WORK/after.png") -eq 0 ]] || fail "Escape by keyboard changed the picture"

# Normal mode: three of each. Escape leaves the game as it was.
open_dialog "肉選択" "${NIKUSEL[@]}" 359 236 "$WORK/form2.png"
expected_characters 3 "$WORK/characters.png"
check_strip "$WORK/form2.png" "$WORK/characters.png" 8 64 92 128 8 120 232
xdotool windowfocus --sync "$DIALOG" || true
xdotool key Escape
wait_gone "肉選択"
pic_shot "$WORK/after.png"
[[ $(differing_pixels "$WORK/before.png" "$WORK/after.png") -eq 0 ]] || fail "Escape changed the picture"
xdotool windowfocus --sync "$WINDOW" || true

open_dialog "肉選択" "${NIKUSEL[@]}" 359 236 "$WORK/form2.png"
pick "肉選択" 174 91                # 牛肉, strip at (8, 64), cell 1 centre
open_dialog "ステージ選択" "${STGSEL[@]}" 423 245 "$WORK/form3.png"
expected_stages 3 "$WORK/stages.png"
check_strip "$WORK/form3.png" "$WORK/stages.png" 8 48 134 136 0 134 268
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
expected_characters 4 "$WORK/characters_hidden.png"
check_strip "$WORK/form2_hidden.png" "$WORK/characters_hidden.png" 8 64 92 128 8 120 232 345
pick "肉選択" 399 91                # キン肉, cell 3
open_dialog "ステージ選択" "${STGSEL[@]}" 557 245 "$WORK/form3_hidden.png"
expected_stages 4 "$WORK/stages_hidden.png"
check_strip "$WORK/form3_hidden.png" "$WORK/stages_hidden.png" 8 48 134 136 0 134 268 402
pick "ステージ選択" 476 88          # リング, thumbnail 3

kill -0 "$GAME_PID" || fail "the game ended by itself"
echo "e2e dialogs: passed"
