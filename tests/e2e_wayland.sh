#!/usr/bin/env bash
# Zubrik: the real game as a native Wayland client on a headless compositor, played by keyboard alone.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# The window floats at its fixed size; the stage is pixel-exact against frames
# composed from the pictures; Space jumps, a pause freezes the frame with its
# overlay, thirty jumps and the key code open hidden mode, each selection
# dialog has its size and Escape leaves the game as it was, a meat and a stage
# picked by keyboard are what the stage then shows; the compositor's close
# request waits while a dialog is modal, and then ends the game with status 0, and the game says nothing on its error
# stream all along.
ZUBRIK=${1:?usage: e2e_wayland.sh path/to/zubrik path/to/zubrik_expected_frames}
EXPECTED_FRAMES=${2:?usage: e2e_wayland.sh path/to/zubrik path/to/zubrik_expected_frames}
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/wayland_lib.sh"

# The frames a jump from the start can show, by fingerprint.
mkdir "$WORK/frames"
# Also the meat in cell 1 standing on the first stage and on the hidden one, as
# the picks by keyboard at the end leave it.
"$EXPECTED_FRAMES" "$WORK/frames" 0:1 3:1 >/dev/null 2>"$WORK/frames.log" || { cat "$WORK/frames.log" >&2; fail "no frames composed"; }
declare -A FRAME
for picture in "$WORK"/frames/*.ppm; do
  FRAME[$(fingerprint_picture "$picture")]=$(basename "$picture" .ppm)
done

start_compositor
GAME=$(runnable "$ZUBRIK")
# The session has no sound: the code's beep plays into ALSA's null device, so
# that the error stream holds only what the game and Qt say (e2e_beep hears it).
printf 'pcm.!default { type null }\n' >"$SESSION/asound.conf"
chmod 0644 "$SESSION/asound.conf"
"${AS_USER[@]}" QT_QPA_PLATFORM=wayland ALSA_CONFIG_PATH="$SESSION/asound.conf" "$GAME" \
  >"$WORK/game.out" 2>"$WORK/game.err" &
GAME_PID=$!
wait_focused Zubrik
[[ "$WW $WH" == "303 247" ]] || fail "the main window is ${WW}x$WH, not 303x247"
[[ "$WTYPE" == floating_con ]] || fail "the main window is tiled, not floating at its size"
X=$WX; Y=$WY

# What the stage shows now: the name of a composed frame, or "other".
stage_now() { local f; f=$(fingerprint_shot "$X" "$Y" 303 183); echo "${FRAME[$f]:-other}"; }
counter_now() { fingerprint_shot $((X + 240)) $((Y + 224)) 49 17; }
stage_is() { [[ "$(stage_now)" == "$1" ]]; }
poll 10 stage_is standing || fail "the first frame is $(stage_now), not the standing one composed from the pictures"

JUMPS=0
COUNTER=$(counter_now)
counter_moved() { [[ "$(counter_now)" != "$COUNTER" ]]; }
# A press is taken when the counter moves; it has landed when the stage is the
# standing frame again.
settle_jump() {
  poll 10 counter_moved || fail "jump $((JUMPS + 1)): the counter did not count"
  JUMPS=$((JUMPS + 1))
  COUNTER=$(counter_now)
  poll 10 stage_is standing || fail "jump $JUMPS: it did not land (stage $(stage_now))"
}

# Space on the focused ジャンプ: the meat is seen in the air, and only in
# frames of the arc, then standing again. A flight lasts a quarter of a
# second, so a busy machine may miss it with its shots: then jump again.
seen_in_air=
for attempt in 1 2 3 4 5; do
  keys -k space
  poll 10 counter_moved || fail "jump $((JUMPS + 1)): the counter did not count"
  # Standing for a second after the press: landed, the flight unseen.
  until_ms=$(( ${EPOCHREALTIME/./} / 1000 + 1000 ))
  while (( ${EPOCHREALTIME/./} / 1000 < until_ms )); do
    now=$(stage_now)
    case "$now" in
      flight-*) seen_in_air=$now ;;
      standing) [[ -n "$seen_in_air" ]] && break ;;
      *) fail "a frame of the jump is none of the arc's ($now)" ;;
    esac
  done
  settle_jump
  [[ -n "$seen_in_air" ]] && break
done
[[ -n "$seen_in_air" ]] || fail "the meat was never seen in the air"
echo "ok: Space jumps (seen at $seen_in_air) and lands"

# Pause by keyboard: Space on ジャンプ, Tab four times to 一時停止, Space after
# the first tick. If the pause came before the first tick or after the landing
# it did nothing: go back to ジャンプ (Shift+Tab four times) and try again.
pause_in_air() {
  local delay
  for delay in 80 40 120 60 100; do
    keys -k space -s "$delay" -k Tab -k Tab -k Tab -k Tab -k space
    poll 10 counter_moved || fail "the jump before the pause did not count"
    JUMPS=$((JUMPS + 1))
    COUNTER=$(counter_now)
    PAUSED=
    poll 10 paused_or_landed || fail "neither paused nor landed ($(stage_now))"
    [[ -n "$PAUSED" ]] && return 0
    keys -M shift -k Tab -k Tab -k Tab -k Tab -m shift
  done
  fail "no jump could be paused in the air"
}
paused_or_landed() {
  local now; now=$(stage_now)
  case "$now" in
    paused-*) PAUSED=$now; return 0 ;;
    standing) ! poll 1 not_standing ;; # still standing a second later: landed
    *) return 1 ;;
  esac
}
not_standing() { ! stage_is standing; }
# Space on 再生 resumes; the jump lands.
resume() {
  keys -k space
  poll 10 stage_is standing || fail "after the resume the meat did not land ($(stage_now))"
}

pause_in_air
sleep 0.5
[[ "$(stage_now)" == "$PAUSED" ]] || fail "the paused frame moved ($PAUSED, then $(stage_now))"
resume
keys -M shift -k Tab -k Tab -k Tab -k Tab -m shift   # back to ジャンプ
echo "ok: paused at $PAUSED with the overlay, frozen, resumed and landed"

game_unchanged() { stage_is standing && [[ "$(counter_now)" == "$COUNTER" ]]; }
# A dialog opened by keyboard: its size, then Escape; the game is as it was.
dialog() { # dialog TITLE WIDTH HEIGHT
  wait_focused "$1"
  [[ "$WW $WH" == "$2 $3" ]] || fail "'$1' is ${WW}x$WH, not ${2}x$3"
  [[ "$WTYPE" == floating_con ]] || fail "'$1' is tiled, not floating at its size"
  keys -k Escape
  wait_gone "$1"
  wait_focused Zubrik
  [[ "$WX $WY $WW $WH" == "$X $Y 303 247" ]] || fail "after '$1' the main window is at $WX,$WY ${WW}x$WH"
  poll 5 game_unchanged || fail "Escape from '$1' changed the game (stage $(stage_now))"
  echo "ok: '$1' ${2}x$3, closed by Escape"
}
keys -k Tab -k space                          # 肉選択
dialog 肉選択 359 236
keys -k Tab -k space                          # ステージ選択
dialog ステージ選択 423 245
keys -M shift -k Tab -k Tab -m shift          # back to ジャンプ

# Thirty jumps in all, each left to land; the tenth brings a box, which Return
# answers.
while (( JUMPS < 30 )); do
  keys -k space
  if (( JUMPS == 9 )); then
    wait_focused 10回おめでとう
    keys -k Return
    wait_gone 10回おめでとう
    wait_focused Zubrik
  fi
  settle_jump
done
echo "ok: $JUMPS jumps, the box at 10 answered by Return"

# The key code, typed while a jump is paused.
pause_in_air
keys -k Up -k Up -k a -k Right -k b -k Down -k Left -k Left -k a -k Down
resume
keys -M shift -k Tab -k Tab -k Tab -m shift -k space   # 肉選択
dialog 肉選択 471 236
keys -k Tab -k space                          # ステージ選択
dialog ステージ選択 557 245
echo "ok: hidden mode after $JUMPS jumps and the code"

# Picks by keyboard alone: the second meat, then the last (hidden) stage. Each
# dialog closes and the stage shows the pick, pixel for pixel.
key_pick() { # key_pick TITLE FRAME KEY...
  local title=$1 frame=$2
  shift 2
  keys -k space
  wait_focused "$title"
  keys "$@"
  wait_gone "$title"
  wait_focused Zubrik
  poll 5 stage_is "$frame" || fail "after the pick in '$title' the stage is $(stage_now), not $frame"
}
keys -M shift -k Tab -m shift                 # 肉選択
key_pick 肉選択 standing-0-1 -k Right -k Right -k Return
keys -k Tab                                   # ステージ選択
key_pick ステージ選択 standing-3-1 -k End -k Return
echo "ok: the second meat and the hidden stage picked by keyboard"

# The compositor asks the main window to close while a dialog is modal over
# it, as X11 would not let it: the window stays, the dialog still picks (the
# first stage again), and the game goes on.
keys -k space                                 # ステージ選択
wait_focused ステージ選択
as_user swaymsg '[title="^Zubrik$"] kill' >/dev/null || fail "the close request could not be sent"
sleep 0.5
[[ -n "$(window_info Zubrik)" ]] || fail "the main window closed under the modal dialog"
keys -k 1
wait_gone ステージ選択
wait_focused Zubrik
poll 5 stage_is standing-0-1 || fail "after the pick under a close request the stage is $(stage_now)"
echo "ok: no close under a modal dialog"

# The compositor asks the main window to close, as its close box would.
as_user swaymsg '[title="^Zubrik$"] kill' >/dev/null || fail "the close request could not be sent"
poll 10 ended "$GAME_PID" || fail "the game did not end after the close request"
status=0
wait "$GAME_PID" || status=$?
GAME_PID=
[[ "$status" == 0 ]] || fail "after the close request the game ended with status $status"
echo "ok: the close request ends the game with status 0"

if [[ -s "$WORK/game.err" ]]; then
  cat "$WORK/game.err" >&2
  fail "the game wrote to its error stream"
fi
echo "e2e wayland: passed"
