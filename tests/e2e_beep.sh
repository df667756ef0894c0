#!/usr/bin/env bash
# Zubrik: the hidden-mode code's beep heard for real: played into a sound server of
# the test's own and recorded; and the X bell where no sound can be played.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
USAGE="usage: e2e_beep.sh path/to/zubrik path/to/zubrik_bell_watch path/to/zubrik_wm_close"
ZUBRIK=${1:?$USAGE}; BELL_WATCH=${2:?$USAGE}; WM_CLOSE=${3:?$USAGE}
source "$(dirname "$0")/e2e_lib.sh"

JUMP=(152 204); PAUSE=(48 232)
RATE=44100                      # the recording: 16-bit signed mono samples
BYTES_PER_SECOND=$((RATE * 2))
PULSE_PID=; RECORDER_PID=; WATCH_PID=; SILENT_PID=
beep_cleanup() {
  for pid in "$RECORDER_PID" "$WATCH_PID" "$PULSE_PID" "$SILENT_PID"; do
    [[ -n "$pid" ]] && kill "$pid" 2>/dev/null || true
  done
  e2e_cleanup
}
trap beep_cleanup EXIT

now() { date +%s.%N; }
plus() { awk -v t="$1" -v d="$2" 'BEGIN { printf "%.3f", t + d }'; } # plus TIME SECONDS

# A sound server of our own with one sink that plays into nothing, reachable
# only through a socket in our scratch folder: the player's own server, if
# any, is never touched.
start_sound_server() {
  mkdir -p "$WORK/home" "$WORK/run"
  chmod 700 "$WORK/run"
  printf 'autospawn = no\n' >"$WORK/client.conf"
  export HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/run" PULSE_RUNTIME_PATH="$WORK/run/pulse"
  export PULSE_STATE_PATH="$WORK/home/pulse" PULSE_CLIENTCONFIG="$WORK/client.conf"
  export PULSE_SERVER="unix:$WORK/run/pulse/native"
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes \
    -L "module-null-sink sink_name=zubrik_sink rate=$RATE" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$WORK/run/pulse/native" \
    >"$WORK/pulseaudio.log" 2>&1 &
  PULSE_PID=$!
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  cat "$WORK/pulseaudio.log" >&2
  fail "no sound server could be started"
}

# Records the sink's monitor into $WORK/sound.raw; sets RECORD_START, the time
# of the recording's first sample. A short latency: with the default one the
# few hundred milliseconds of a beep may never reach the file.
start_recorder() {
  parec --latency-msec=20 -d zubrik_sink.monitor --raw --format=s16le --rate=$RATE --channels=1 \
    >"$WORK/sound.raw" 2>"$WORK/parec.log" &
  RECORDER_PID=$!
  for _ in $(seq 200); do
    local size
    size=$(stat -c %s "$WORK/sound.raw")
    if (( size > 0 )); then
      RECORD_START=$(awk -v t="$(now)" -v s="$size" -v b=$BYTES_PER_SECOND 'BEGIN { printf "%.3f", t - s / b }')
      return 0
    fi
    sleep 0.01
  done
  fail "the recorder recorded nothing"
}

# Peak amplitude (0..1) of the recording from second FROM to second TO of the clock.
peak() { # peak FROM TO
  local from to
  from=$(awk -v a="$1" -v s="$RECORD_START" 'BEGIN { printf "%.3f", (a > s ? a - s : 0) }')
  to=$(awk -v a="$2" -v s="$RECORD_START" 'BEGIN { printf "%.3f", a - s }')
  sox -t raw -r $RATE -e signed -b 16 -c 1 "$WORK/sound.raw" -n trim "$from" "=$to" stat 2>&1 |
    awk '/^Maximum amplitude/ { print $3 }'
}

# Bells rung on the display so far.
bells() { grep -c '^bell$' "$WORK/bells" || true; }
# Fails unless COUNT bells have rung since SINCE.
expect_bells() { # expect_bells SINCE COUNT WHEN
  local rung=$(( $(bells) - $1 ))
  (( rung == $2 )) || fail "$rung X bells $3, not $2"
}

# Jumps in pairs with the focused jump button's key: a press and one in mid-air
# count, a third before the landing would not.
jump_pairs() { # jump_pairs N
  local i
  for i in $(seq "$1"); do xdotool key --delay 80 space space sleep 0.6; done
}

# The code, typed while a jump is paused in mid-air. Sets RELEASE, the time the
# code's last key went up (give or take the start of a process), and
# BELLS_BEFORE, the X bells rung until just before.
type_code() {
  xdotool key --delay 60 Up Up a Right b Down Left Left a
  # Held well short of the server's key repeat (660 ms), which would type more.
  xdotool keydown Down
  sleep 0.3
  # Counted from here: ImageMagick's import rings the bell after each screenshot.
  BELLS_BEFORE=$(bells)
  RELEASE=$(now)
  xdotool keyup Down
}

# 30 jumps with the focused jump button's key (answering the box at 10), then
# one more jump paused in mid-air; then the code (type_code).
play_and_type_code() {
  start_game
  jump_pairs 5
  local box
  box=$(wait_window "10回おめでとう")
  [[ -n "$box" ]] || fail "no box at 10 jumps"
  xdotool windowfocus --sync "$box" || true
  xdotool key Return
  wait_gone "10回おめでとう"
  xdotool windowfocus --sync "$WINDOW" || true
  jump_pairs 10
  read -r X Y _ _ < <(window_geometry "$WINDOW")
  shot "$WORK/standing.png" "$X" "$Y" 303 183
  local paused=0
  for _ in 1 2 3 4 5; do
    xdotool mousemove --window "$WINDOW" "${JUMP[@]}" click 1 sleep 0.06 \
            mousemove --window "$WINDOW" "${PAUSE[@]}" click 1
    sleep 0.5
    shot "$WORK/paused.png" "$X" "$Y" 303 183
    if (( $(differing_pixels "$WORK/standing.png" "$WORK/paused.png") > 200 )); then paused=1; break; fi
  done
  (( paused )) || fail "no jump could be paused in the air"
  type_code
}

# Fails unless the game's thread takes in a mouse press within 100 ms: Qt marks
# the window's _NET_WM_USER_TIME as it handles the press. The press lands on the
# jump button, disabled while paused.
expect_press_answered() { # expect_press_answered SCENARIO
  local spy start end
  coproc SPY { exec xprop -spy -id "$WINDOW" _NET_WM_USER_TIME; }
  spy=$SPY_PID
  read -r -t 5 -u "${SPY[0]}" _ || fail "$1: the window's user time cannot be watched"
  xdotool mousemove --window "$WINDOW" "${JUMP[@]}"
  start=$EPOCHREALTIME
  xdotool mousedown 1
  read -r -t 5 -u "${SPY[0]}" _ || { kill "$spy"; fail "$1: the window took in no press for 5 s"; }
  end=$EPOCHREALTIME
  xdotool mouseup 1
  kill "$spy"; wait "$spy" 2>/dev/null || true
  local ms
  ms=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%d", (b - a) * 1000 }')
  echo "$1: a press taken in after $ms ms"
  (( ms < 100 )) || fail "$1: a press waited $ms ms"
}

start_xvfb
"$BELL_WATCH" >"$WORK/bells" 2>&1 &
WATCH_PID=$!
for _ in $(seq 100); do grep -q '^ready$' "$WORK/bells" && break; sleep 0.1; done
grep -q '^ready$' "$WORK/bells" || fail "the bell cannot be watched"

# The desktop's bell sound, and no X bell besides.
start_sound_server
start_recorder
play_and_type_code
sleep 2
kill "$RECORDER_PID"; wait "$RECORDER_PID" 2>/dev/null || true; RECORDER_PID=
# Cut 0.1 s before the release, for the clocks of the recording and of the keys
# to agree on; the last key went down 0.2 s before the cut.
cut=$(plus "$RELEASE" -0.1)
before=$(peak "$RECORD_START" "$cut")
after=$(peak "$cut" "$(plus "$cut" 1.5)")
echo "peak amplitude: $before before the release of the code's last key (at $(plus "$RELEASE" -"$RECORD_START") s), $after after it"
[[ -n "$before" && -n "$after" ]] || fail "the recording could not be measured"
awk -v p="$before" 'BEGIN { exit !(p < 0.001) }' || fail "sound before the code was complete (peak $before)"
awk -v p="$after" 'BEGIN { exit !(p > 0.05) }' || fail "no beep heard after the code (peak $after)"
(( $(bells) == BELLS_BEFORE )) || fail "the X bell rang as well as the event sound"
# The sound's connection is kept for the program's life and let go at its end.
"$WM_CLOSE" "$WINDOW" || fail "the close request could not be sent"
expect_clean_exit "closed after the event sound"
kill "$PULSE_PID"; wait "$PULSE_PID" 2>/dev/null || true; PULSE_PID=

# A sound server that takes the connection and never answers (the sound
# library waits 30 s for it): no beep holds up the game, the X bell rings for
# each once the server is given up, at once from then on, and the game ends
# without waiting for it.
/usr/bin/python3 -c 'import socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen()
held = []
while True:
    held.append(server.accept())' "$WORK/silent" &
SILENT_PID=$!
for _ in $(seq 50); do [[ -S "$WORK/silent" ]] && break; sleep 0.1; done
export PULSE_SERVER="unix:$WORK/silent"
play_and_type_code
first_bells=$BELLS_BEFORE
expect_press_answered "a beep waiting on a silent server"
type_code
expect_press_answered "a second beep behind it"
sleep 2.5
expect_bells "$first_bells" 2 "for two beeps once the silent server was given up"
type_code
sleep 0.3
expect_bells "$BELLS_BEFORE" 1 "at once for a beep after the server was given up"
"$WM_CLOSE" "$WINDOW" || fail "the close request could not be sent"
expect_clean_exit "closed while the silent server is still awaited"
kill "$SILENT_PID"; wait "$SILENT_PID" 2>/dev/null || true; SILENT_PID=

# No sound server to reach and no sound device: the X bell instead.
export PULSE_SERVER="unix:$WORK/no-such-server"
: >"$WORK/no-devices.conf"
export ALSA_CONFIG_PATH="$WORK/no-devices.conf"
play_and_type_code
sleep 1
expect_bells "$BELLS_BEFORE" 1 "after the code with no sound to play"

"$WM_CLOSE" "$WINDOW" || fail "the close request could not be sent"
expect_clean_exit "closed after the X bell"
echo "e2e beep: 3 passed, 0 failed"
