#!/usr/bin/env bash
# Zubrik: installs the packages the game needs to build, run and be tested.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Installs only what is missing, with apt-get as root or through sudo, waiting
# a while if another package manager is at work. On a system without apt-get
# it names what to install and stops.
# Usage: install-deps.sh [SET|PACKAGE...]: everything below with no argument;
# else the sets named (core, play, test, desktop) and the packages given
# (scripts/install-arm64-deps.sh names the cross build's this way). Each make
# target asks for what it needs alone.
set -euo pipefail

# Any build of the game's library and its rules' tests, whatever the toolkit.
core=(
  cmake g++ make pkg-config
  libstb-dev  # the pictures' decoder, built into the game
  doctest-dev  # the rules' tests
)
# The game on Qt, built with its tests: `make play`.
play=(
  "${core[@]}"
  qt6-base-dev qt6-qpa-plugins qt6-wayland
  fonts-ipafont-gothic
  libcanberra-dev sound-theme-freedesktop  # the beep
  libx11-dev  # a test tool's close request, as a window manager sends it
)
# What the fast tests run offscreen need besides: `make test`.
test=(
  "${play[@]}"
  fonts-noto-cjk  # the fallback font, for the font tests under Noto Sans CJK JP alone
  desktop-file-utils appstream  # the install check's validators
  binutils-mingw-w64-x86-64 mingw-w64-common  # the Windows version resource, compiled in a test
)
# A desktop that end-to-end runs play on: an X server, input, screenshots.
desktop=(xvfb xauth xdotool x11-utils imagemagick dbus python3)

packages=(
  "${test[@]}"
  "${desktop[@]}"
  pulseaudio pulseaudio-utils sox  # the beep's recording, a silent server
  at-spi2-core python3-pyatspi gir1.2-atspi-2.0  # the screen-reader check: the bus and a client
  build-essential dpkg-dev debhelper lintian  # make deb: the package build, and lintian
  sbuild mmdebstrap uidmap  # make deb-clean: the package built in a fresh chroot
  qt6-wayland sway wtype grim jq  # the game as a native Wayland client, and its headless test
)
if (($# > 0)); then
  packages=()
  for wanted in "$@"; do
    case $wanted in
      core|play|test|desktop) declare -n group=$wanted; packages+=("${group[@]}"); unset -n group ;;
      *) packages+=("$wanted") ;;
    esac
  done
fi

missing=()
if command -v dpkg-query >/dev/null 2>&1; then
  # A name without an architecture means this machine's, as to apt-get; with a
  # foreign one added (arm64), a library's dev package can be there twice.
  native=$(dpkg --print-architecture)
  for package in "${packages[@]}"; do
    arch=$native
    [[ $package != *:* ]] || arch=${package#*:}
    status=$(dpkg-query -W -f='${Status} ${Architecture}\n' "$package" 2>/dev/null || true)
    grep -qxE "install ok installed ($arch|all)" <<<"$status" || missing+=("$package")
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
  Qt 6.4 or later with Widgets and Test (development files), stb_image, doctest,
  the IPA P Gothic font (or Noto Sans CJK JP),
  for the tests: Xvfb, xdotool, xwininfo, ImageMagick, dbus-run-session, Xlib headers,
  desktop-file-validate and appstreamcli,
  libcanberra (development files) and the freedesktop sound theme; for its test
  a PulseAudio server and its tools (pactl, parec), SoX and Python 3; the mingw-w64
  resource compiler (x86_64-w64-mingw32-windres) and Windows headers; the
  AT-SPI bus and Python's pyatspi; for the Debian package, dpkg-buildpackage,
  debhelper and lintian, and to build it in a fresh chroot sbuild, mmdebstrap
  and newuidmap; Qt's Wayland platform plugin, and for its test sway,
  wtype, grim and jq.
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
apt_get=$(dirname "$0")/apt-get-waiting.sh
"${as_root[@]}" "$apt_get" update -qq
"${as_root[@]}" "$apt_get" install -y -qq --no-install-recommends "${missing[@]}"
