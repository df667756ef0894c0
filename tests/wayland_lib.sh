#!/usr/bin/env bash
# Zubrik: shared steps of the Wayland end-to-end tests: a headless compositor, the game as its client, keys, screenshots.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Source after e2e_lib.sh (for WORK, fail and the clean-up). The compositor
# refuses to run as root, so as root (as in CI) it, the game and every tool that
# talks to it run as an unprivileged user made for the purpose; otherwise as the
# user running the test. Everything the session needs lives in a folder that
# user owns. Nothing here uses a mouse: the compositor's seat has none.

WL_USER=zubrik-test
SESSION=
SWAY_PID=
KEYBOARD_PID=

wl_cleanup() {
  # With KEEP_SHOTS, the screen as the test left it.
  if [[ -n "${KEEP_SHOTS:-}" && -n "${WAYLAND_DISPLAY:-}" ]]; then
    as_user grim - >"$WORK/last.png" 2>/dev/null || true
  fi
  [[ -n "$KEYBOARD_PID" ]] && kill "$KEYBOARD_PID" 2>/dev/null || true
  [[ -n "$GAME_PID" ]] && kill "$GAME_PID" 2>/dev/null || true
  GAME_PID=
  if [[ -n "$SWAY_PID" ]]; then
    kill "$SWAY_PID" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$SWAY_PID" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$SWAY_PID" 2>/dev/null || true
  fi
  [[ -n "$SESSION" ]] && rm -rf "$SESSION"
  e2e_cleanup
}
trap wl_cleanup EXIT

# The prefix that runs a command in the session, as its user, with a clean
# environment: only what a Wayland client needs, and nothing of an X display or
# a D-Bus session the test itself may have been given. An array, not a
# function, so that a command started in the background is that process itself
# (setpriv and env replace themselves with it) and can be stopped by its pid.
AS_USER=()
set_user_prefix() {
  AS_USER=()
  (( EUID == 0 )) && AS_USER=(setpriv --reuid="$WL_USER" --regid="$WL_USER" --clear-groups --)
  AS_USER+=(env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 HOME="$SESSION/home"
            XDG_RUNTIME_DIR="$SESSION/runtime")
  [[ -n "${WAYLAND_DISPLAY:-}" ]] && AS_USER+=(WAYLAND_DISPLAY="$WAYLAND_DISPLAY" SWAYSOCK="$SWAYSOCK")
  return 0
}
as_user() { "${AS_USER[@]}" "$@"; }

# Polls a command every 50 ms until it succeeds; fails after SECONDS.
poll() { # poll SECONDS COMMAND...
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do
    (( SECONDS < deadline )) || return 1
    sleep 0.05
  done
}

# True once a child process has ended (gone, or a zombie waiting to be reaped).
ended() { # ended PID
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 0
  [[ "${stat##*) }" == Z* ]]
}

# The session's folder (runtime dir of mode 0700, home), owned by its user.
make_session() {
  if (( EUID == 0 )) && ! id -u "$WL_USER" >/dev/null 2>&1; then
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$WL_USER" \
      || fail "could not make the user $WL_USER"
  fi
  SESSION=$(mktemp -d)
  chmod 0755 "$SESSION"
  mkdir -m 0700 "$SESSION/runtime" "$SESSION/home"
  (( EUID == 0 )) && chown -R "$WL_USER:$WL_USER" "$SESSION"
  set_user_prefix
}

# A program the session's user can run: a build folder under root's home is
# out of its reach, so then it runs a copy.
runnable() { # runnable PATH: prints the path to run
  if as_user test -x "$1" -a -r "$1"; then
    echo "$1"
  else
    cp "$1" "$SESSION/$(basename "$1")"
    (( EUID == 0 )) && chown "$WL_USER:$WL_USER" "$SESSION/$(basename "$1")"
    echo "$SESSION/$(basename "$1")"
  fi
}

# sway on a headless output of 1024 x 768 with a virtual keyboard that lives as
# long as the test: a seat has no keyboard until one exists, and keys sent
# while a short-lived one is being announced are lost.
start_compositor() {
  make_session
  cat >"$SESSION/ready" <<'SCRIPT'
#!/bin/sh
printf '%s\n%s\n' "$WAYLAND_DISPLAY" "$SWAYSOCK" >"$XDG_RUNTIME_DIR/session.tmp"
mv "$XDG_RUNTIME_DIR/session.tmp" "$XDG_RUNTIME_DIR/session"
SCRIPT
  cat >"$SESSION/config" <<CONFIG
xwayland disable
output HEADLESS-1 resolution 1024x768 position 0 0
exec $SESSION/ready
CONFIG
  chmod 0755 "$SESSION/ready"
  chmod 0644 "$SESSION/config"
  (( EUID == 0 )) && chown "$WL_USER:$WL_USER" "$SESSION/ready" "$SESSION/config"
  "${AS_USER[@]}" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway -c "$SESSION/config" >"$WORK/sway.log" 2>&1 &
  SWAY_PID=$!
  local session=$SESSION/runtime/session
  poll 30 test -s "$session" || { cat "$WORK/sway.log" >&2; fail "the compositor did not start"; }
  { read -r WAYLAND_DISPLAY; read -r SWAYSOCK; } <"$session"
  set_user_prefix

  "${AS_USER[@]}" wtype -s 86400000 >/dev/null 2>&1 &
  KEYBOARD_PID=$!
  poll 20 has_keyboard || fail "the virtual keyboard did not appear"
}

has_keyboard() {
  as_user swaymsg -t get_inputs 2>/dev/null | jq -e 'any(.[]; .type == "keyboard")' >/dev/null
}

# Keys to the focused window, as wtype takes them (-k KEY, -M MOD, -s MS ...).
keys() { as_user wtype "$@"; }

# "x y width height focused type" of the client area of the window titled
# TITLE, on the output; nothing if there is no such window.
window_info() { # window_info TITLE
  as_user swaymsg -t get_tree | jq -r --arg title "$1" '.. | objects
    | select((.type == "con" or .type == "floating_con") and .name == $title)
    | "\(.rect.x + .window_rect.x) \(.rect.y + .window_rect.y) \(.window_rect.width) \(.window_rect.height) \(.focused) \(.type)"'
}

focused() { # focused TITLE: true once that window has the keyboard
  [[ "$(window_info "$1" | awk '{print $5}')" == true ]]
}
absent() { [[ -z "$(window_info "$1")" ]]; }

# Waits until the window is there with the keyboard; sets WX WY WW WH WTYPE.
wait_focused() { # wait_focused TITLE
  poll 20 focused "$1" || fail "'$1' did not open with the keyboard"
  read -r WX WY WW WH _ WTYPE < <(window_info "$1")
}
wait_gone() { poll 20 absent "$1" || fail "'$1' is still open"; }

# Raw pixels of a rectangle of the output: a PPM's body, so that the same
# pixels always give the same fingerprint, whatever wrote the file.
fingerprint_shot() { # fingerprint_shot X Y W H
  as_user grim -t ppm -g "$1,$2 ${3}x$4" - | tail -c $(($3 * $4 * 3)) | md5sum | cut -d' ' -f1
}
fingerprint_picture() { # fingerprint_picture FILE
  local w h
  read -r w h < <($CONVERT "$1" -format '%w %h' info:)
  $CONVERT "$1" -depth 8 ppm:- | tail -c $((w * h * 3)) | md5sum | cut -d' ' -f1
}
