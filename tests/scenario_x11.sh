#!/usr/bin/env bash
# Zubrik: the player's script through X11: a display of its own (and for Qt a D-Bus session with the accessibility bus), played by scenario_x11.py.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: scenario_x11.sh ARGUMENT... (those of scenario_x11.py).
if [[ " $* " == *" --toolkit qt "* && -z "${ZUBRIK_SCENARIO_SESSION:-}" ]]; then
  export ZUBRIK_SCENARIO_SESSION=1
  exec dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/e2e_lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM
start_xvfb
/usr/bin/python3 "$(dirname "$0")/scenario_x11.py" "$@"
