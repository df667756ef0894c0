#!/usr/bin/env bash
# Zubrik: the game as a screen reader reads it, over AT-SPI, played by keyboard alone.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
ZUBRIK=${1:?usage: a11y_check.sh path/to/zubrik path/to/zubrik_ending_driver}
ENDING_DRIVER=${2:?usage: a11y_check.sh path/to/zubrik path/to/zubrik_ending_driver}
# A session bus of our own, where the accessibility bus starts on demand.
if [[ -z "${ZUBRIK_A11Y_SESSION:-}" ]]; then
  export ZUBRIK_A11Y_SESSION=1
  exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/e2e_lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
TREE="/usr/bin/python3 $(dirname "$0")/a11y_tree.py"

start_xvfb
xdotool mousemove 0 0   # out of every window: the keyboard alone plays
start_game
$TREE game || { cat "$WORK/game.log" >&2; fail "the game as read over AT-SPI"; }
kill "$GAME_PID"; wait "$GAME_PID" 2>/dev/null || true; GAME_PID=

ZUBRIK=$ENDING_DRIVER
start_game
$TREE ending || { cat "$WORK/game.log" >&2; fail "the ending as read over AT-SPI"; }
for _ in $(seq 100); do kill -0 "$GAME_PID" 2>/dev/null || break; sleep 0.1; done
kill -0 "$GAME_PID" 2>/dev/null && fail "終わります did not end the game"
status=0; wait "$GAME_PID" || status=$?; GAME_PID=
[[ "$status" == 0 ]] || fail "the game ended with status $status"
echo "a11y check: passed"
