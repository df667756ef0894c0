#!/usr/bin/env bash
# Zubrik: shared steps of the end-to-end tests: a private X display, the game, screenshots.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Source this file; it expects ZUBRIK (the executable) and sets DISPLAY.
# GAME_LAUNCHER, if set, is put before the game when it starts (the Windows
# tests' wine_run.sh).
set -euo pipefail

CONVERT=/usr/bin/convert
IMPORT=/usr/bin/import
WORK=$(mktemp -d)
XVFB_PID=
GAME_PID=

e2e_cleanup() {
  [[ -n "$GAME_PID" ]] && kill "$GAME_PID" 2>/dev/null || true
  [[ -n "$XVFB_PID" ]] && kill "$XVFB_PID" 2>/dev/null || true
  if [[ -z "${KEEP_SHOTS:-}" ]]; then rm -rf "$WORK"; else echo "screenshots kept in $WORK"; fi
}
trap e2e_cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# A display of our own. Xvfb picks a free number itself and reports it once it
# listens (-displayfd): tests started side by side by ctest -j never end up
# sharing one display, as they could when each looked for a free number first.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp 3>"$WORK/display" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    if [[ -s "$WORK/display" ]]; then
      export DISPLAY=":$(head -n 1 "$WORK/display")"
      xdpyinfo >/dev/null 2>&1 && return 0
    fi
    sleep 0.1
  done
  fail "no X display could be started"
}

# Starts the game (with the arguments given) and waits for its main window;
# sets GAME_PID and WINDOW.
start_game() {
  unset QT_QPA_PLATFORM
  [[ -x "$ZUBRIK" ]] || fail "no game at $ZUBRIK"
  ${GAME_LAUNCHER:+"$GAME_LAUNCHER"} "$ZUBRIK" "$@" >"$WORK/game.log" 2>&1 &
  GAME_PID=$!
  # A search gives up (BadWindow) when a window goes away while it walks the
  # tree, as Wine's helper windows do when another of its programs ends.
  WINDOW=
  for _ in 1 2 3; do
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zubrik$' 2>/dev/null | head -n 1 || true)
    [[ -n "$WINDOW" ]] || ! kill -0 "$GAME_PID" 2>/dev/null && break
  done
  [[ -n "$WINDOW" ]] || fail "the main window did not appear"
  xdotool windowfocus --sync "$WINDOW" || true
}

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

# "x y width height" of a window's client area on the root window.
window_geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
    /^  Width/{w=$2} /^  Height/{h=$2} END{print x, y, w, h}'
}

# Screenshot of a rectangle of the root window (a window covered by another
# would show black if grabbed by itself).
shot() { # shot FILE X Y W H
  $IMPORT -window root -crop "${4}x${5}+${2}+${3}" +repage "$1"
}

# Number of pixels that differ between two same-sized pictures.
differing_pixels() {
  $CONVERT "$1" "$2" -compose difference -composite -threshold 0 -format '%[fx:round(mean*w*h)]' info:
}

# Clicks at a point of a window, in its client coordinates.
click_at() { # click_at WINDOW X Y
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Waits up to ten seconds for the game to end; fails unless it ended with
# status 0 and said nothing of a sanitizer.
expect_clean_exit() { # expect_clean_exit SCENARIO
  local status=0
  for _ in $(seq 100); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$GAME_PID" 2>/dev/null; then
    kill "$GAME_PID"; fail "$1: the game did not end"
  fi
  wait "$GAME_PID" || status=$?
  GAME_PID=
  [[ "$status" == 0 ]] || { cat "$WORK/game.log" >&2; fail "$1: the game ended with status $status"; }
  if grep -q 'Sanitizer' "$WORK/game.log"; then cat "$WORK/game.log" >&2; fail "$1: sanitizer report"; fi
  echo "ok: $1"
}
