#!/usr/bin/env bash
# Zubrik: installs the packages the game needs to build, run and be tested.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Installs only what is missing, with apt-get as root or through sudo. On a
# system without apt-get it names what to install and stops.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-qpa-plugins
  fonts-ipafont-gothic
  xvfb xauth xdotool x11-utils imagemagick dbus libx11-dev
  desktop-file-utils appstream
  qt6-wayland sway wtype grim jq  # the game as a native Wayland client, and its headless test
)

missing=()
if command -v dpkg-query >/dev/null 2>&1; then
  for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
  done
else
  missing=("${packages[@]}")
fi

if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

if ! command -v apt-get >/dev/null 2>&1; then
  cat >&2 <<MSG
Zubrik needs these (Debian names; use your system's equivalents):
  a C++17 compiler, CMake 3.22 or later, make,
  Qt 6.4 or later with Widgets and Test (development files),
  the IPA P Gothic font (or Noto Sans CJK JP),
  for the tests: Xvfb, xdotool, xwininfo, ImageMagick, dbus-run-session, Xlib headers,
  desktop-file-validate and appstreamcli;
  Qt's Wayland platform plugin, and for its test sway, wtype, grim and jq.
Debian packages: ${packages[*]}
MSG
  exit 1
fi

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "Please install as root: apt-get install ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
