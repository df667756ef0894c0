#!/usr/bin/env bash
# Zubrik: shared steps of the Windows end-to-end tests: the game under Wine on a display of its own.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Source this file after setting ZUBRIK (a Windows program of the build). The
# steps of tests/e2e_lib.sh start it through wine_run.sh; with no window
# manager, a Wine window's X window is its client area, as the Qt build's is.
WINDOWS_TESTS=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
GAME_LAUNCHER=$WINDOWS_TESTS/wine_run.sh
source "$WINDOWS_TESTS/../e2e_lib.sh"

# Runs COMMAND... until it succeeds, for up to SECONDS.
poll() { # poll SECONDS COMMAND...
  local until=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < until)) || return 1
    sleep 0.05
  done
}

# Keeps a screenshot of a window for the record, when the test was given a
# folder for them.
keep_shot() { # keep_shot NAME WINDOW
  [[ -n "${SHOTS:-}" ]] || return 0
  local x y w h
  read -r x y w h < <(window_geometry "$2")
  mkdir -p "$SHOTS"
  shot "$SHOTS/$1.png" "$x" "$y" "$w" "$h"
}

# A visible window with this title other than those given; waits up to ten
# seconds. The error box and the ending share the main window's title.
new_window() { # new_window TITLE KNOWN_ID...
  local title=$1 id
  shift
  for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null || true); do
      [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
    done
    sleep 0.1
  done
  return 1
}
