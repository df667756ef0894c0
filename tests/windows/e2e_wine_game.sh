#!/usr/bin/env bash
# Zubrik: zubrik.exe under Wine and X, played as a person would: the frames, a pause, a replay, the box at 10, both dialogs by mouse and by keyboard, hidden mode, and a close.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
USAGE="usage: e2e_wine_game.sh zubrik.exe zubrik_expected_frames.exe zubrik_wm_close [screenshot-dir]"
ZUBRIK=${1:?$USAGE}
JUMP_FRAMES=${2:?$USAGE}
WM_CLOSE=${3:?$USAGE}
SHOTS=${4:-}
source "$(dirname "$0")/e2e_wine_lib.sh"

JUMP=(152 204); NIKUSEL=(56 204); STGSEL=(248 204); PAUSE=(48 232); REPLAY=(120 232)

# Besides the jump's: what the picks below leave on the stage (stage:cell).
compose_frames "$JUMP_FRAMES" 2:2 1:1 3:3
start_xvfb
start_game
read -r X Y W H < <(window_geometry "$WINDOW")
[[ "$W $H" == "303 247" ]] || fail "client area is ${W}x${H}, not 303x247"
# The window is centred with its frame, which no window manager draws here:
# the client lies within a border's width across and a title bar's down.
(( X >= 360 - 4 && X <= 360 + 4 && Y >= 260 && Y <= 260 + 32 )) || fail "not centred: client at $X,$Y"

stage_now() { local f; f=$(fingerprint_shot "$X" "$Y" 303 183); echo "${FRAME[$f]:-other}"; }
stage_is() { [[ " $(stage_now) " == *" $1 "* ]]; }
counter_now() { fingerprint_shot $((X + 240)) $((Y + 224)) 49 17; }
COUNTER=$(counter_now)
counted() { [[ "$(counter_now)" != "$COUNTER" ]]; }
JUMPS=0
# A press is taken when the counter moves; it has landed when the stage shows
# the standing frame again.
settle_jump() { # settle_jump STANDING_FRAME
  poll 10 counted || fail "jump $((JUMPS + 1)): the counter did not count"
  JUMPS=$((JUMPS + 1))
  COUNTER=$(counter_now)
  poll 10 stage_is "$1" || fail "jump $JUMPS: it did not land (stage $(stage_now))"
}

poll 10 stage_is standing || fail "the first frame is $(stage_now), not the one composed from the pictures"
keep_shot main "$WINDOW"
echo "ok: the first frame, pixel for pixel"

# Space on the focused ジャンプ: every frame the screen shows in flight is one
# of the arc's, then it stands again. A flight is a quarter of a second: a
# slow machine may miss it all, then jump again.
seen=()
for attempt in 1 2 3 4 5; do
  xdotool key space
  end=$((SECONDS + 3))
  while ((SECONDS < end)); do
    now=$(stage_now)
    case "$now" in
      flight-*) seen+=("$now") ;;
      standing) ((${#seen[@]})) && break ;;
      *) fail "a frame of the jump is none of the arc's ($now)" ;;
    esac
  done
  settle_jump standing
  ((${#seen[@]})) && break
done
((${#seen[@]})) || fail "the meat was never seen in the air"
echo "ok: Space jumps, seen at ${seen[*]}, and lands"

# The replay shows that jump again at 150 ms a tick, with its caption: every
# frame in the order of the arc, and standing at the end. Shots take some
# 0.1 s, and a busy machine runs some ticks late and the next at once, so not
# every frame is seen, but most are.
click_at "$WINDOW" "${REPLAY[@]}"
last=0; shown=0
end=$((SECONDS + 5))
while ((SECONDS < end)); do
  now=$(stage_now)
  case "$now" in
    replay-*)
      # The earliest of the look-alikes not before the last one seen.
      n=
      for name in $now; do
        ((${name#replay-} >= last)) && { n=${name#replay-}; break; }
      done
      [[ -n "$n" ]] || fail "the replay went back from frame $last to $now"
      ((n > last)) && { shown=$((shown + 1)); last=$n; }
      ((n == 2)) && keep_shot replay "$WINDOW"
      ;;
    standing) ((last > 0)) && break ;;
    *) fail "a frame of the replay is none of its own ($now)" ;;
  esac
done
ticks=$(tr -d '\r' <"$WORK/frames.log" | sed -n 's/^.*, \([0-9]*\) in the replay$/\1/p')
((last <= ticks && shown * 2 >= ticks)) || fail "the replay showed $shown of its $ticks frames, the last $last"
poll 3 stage_is standing || fail "the replay did not end standing"
echo "ok: the replay's $ticks frames in order ($shown seen), standing at the end"

# A jump paused in mid-air by mouse; sets PAUSED to what the stage shows. If
# the pause came after the landing it did nothing: try again.
pause_in_air() {
  for attempt in 1 2 3 4 5; do
    xdotool mousemove --window "$WINDOW" "${JUMP[@]}" click 1 sleep 0.06 \
            mousemove --window "$WINDOW" "${PAUSE[@]}" click 1
    poll 3 counted || fail "the jump before the pause did not count"
    JUMPS=$((JUMPS + 1)); COUNTER=$(counter_now)
    sleep 0.4
    PAUSED=$(stage_now)
    [[ "$PAUSED" != standing* ]] && return 0
  done
  fail "no jump could be paused in the air"
}

# The overlay on the jump's frame, frozen; resumed, it lands.
pause_in_air
[[ "$PAUSED" == paused-* ]] || fail "the paused stage shows $PAUSED"
keep_shot paused "$WINDOW"
sleep 0.5
stage_is "$PAUSED" || fail "the paused frame moved ($PAUSED, then $(stage_now))"
click_at "$WINDOW" "${PAUSE[@]}"
poll 3 stage_is standing || fail "resumed, the meat did not land ($(stage_now))"
echo "ok: paused at $PAUSED with its overlay, frozen, resumed and landed"

# Both dialogs by keyboard alone, the mouse out of the way. The tab order
# runs ジャンプ, 肉選択, ステージ選択, リプレイ, 一時停止 (clicked last) and round;
# each dialog gives the focus back to the button that opened it. Right three
# times marks the third meat, End the last stage; Return picks.
xdotool mousemove 0 0
by_keys() { # by_keys TITLE OPENING_KEYS KEY...
  local title=$1 opening=$2 dialog
  shift 2
  # With no window manager, the X focus goes nowhere when a window goes away.
  xdotool windowfocus --sync "$WINDOW" || true
  xdotool key --delay 50 $opening
  dialog=$(wait_window "$title")
  [[ -n "$dialog" ]] || fail "'$title' did not open from the keyboard"
  xdotool windowfocus --sync "$dialog" || true
  xdotool key --delay 50 "$@"
  wait_gone "$title"
}
by_keys 肉選択 "Tab Tab space" Right Right Right Return
by_keys ステージ選択 "Tab space" End Return
poll 3 stage_is standing-2-2 || fail "the picks by keyboard show $(stage_now), not the third meat in space"
# Escape leaves the game as it was.
by_keys ステージ選択 space Right Escape
poll 1 stage_is standing-2-2 || fail "Escape changed the stage ($(stage_now))"
echo "ok: both dialogs by keyboard, and Escape"

# By mouse: 牛肉 and 砂漠地帯, at their cells' centres; a dialog's client size
# grows with the hidden choice later.
dialog_at() { # dialog_at TITLE BUTTON_X BUTTON_Y W H SHOT
  click_at "$WINDOW" "$2" "$3"
  DIALOG=$(wait_window "$1")
  [[ -n "$DIALOG" ]] || fail "'$1' did not open"
  local w h
  read -r _ _ w h < <(window_geometry "$DIALOG")
  [[ "$w $h" == "$4 $5" ]] || fail "'$1' is ${w}x$h, not ${4}x$5"
  sleep 0.2
  keep_shot "$6" "$DIALOG"
}
pick() { # pick TITLE X Y
  click_at "$DIALOG" "$2" "$3"
  wait_gone "$1"
}
dialog_at 肉選択 "${NIKUSEL[@]}" 359 236 form2
pick 肉選択 174 91
dialog_at ステージ選択 "${STGSEL[@]}" 423 245 form3
pick ステージ選択 208 88
poll 3 stage_is standing-1-1 || fail "the picks by mouse show $(stage_now), not beef in the desert"
echo "ok: both dialogs by mouse"

# To thirty jumps, each left to land; the tenth brings the box, titled as it
# must be, which Return answers.
while ((JUMPS < 30)); do
  click_at "$WINDOW" "${JUMP[@]}"
  if ((JUMPS == 9)); then
    BOX=$(wait_window 10回おめでとう)
    [[ -n "$BOX" ]] || fail "no box at 10 jumps"
    sleep 0.3
    keep_shot box10 "$BOX"
    xdotool windowfocus --sync "$BOX" || true
    xdotool key Return
    wait_gone 10回おめでとう
  fi
  settle_jump standing-1-1
done
echo "ok: $JUMPS jumps, the box at 10 answered by Return"

# The code, typed while a jump is paused, opens hidden mode: a fourth meat and
# a fourth stage, picked by mouse.
pause_in_air
xdotool windowfocus --sync "$WINDOW" || true
xdotool key --delay 50 Up Up a Right b Down Left Left a Down
click_at "$WINDOW" "${PAUSE[@]}"
poll 3 stage_is standing-1-1 || fail "resumed after the code, the meat did not land ($(stage_now))"
dialog_at 肉選択 "${NIKUSEL[@]}" 471 236 form2_hidden
pick 肉選択 399 91
dialog_at ステージ選択 "${STGSEL[@]}" 557 245 form3_hidden
pick ステージ選択 476 88
poll 3 stage_is standing-3-3 || fail "the hidden picks show $(stage_now), not the hidden meat on the hidden stage"
echo "ok: hidden mode after $JUMPS jumps and the code"

# The close box's request (as a window manager sends it) ends the game with 0.
"$WM_CLOSE" "$WINDOW" || fail "the close request could not be sent"
expect_clean_exit "closed"
echo "e2e wine game: passed"
