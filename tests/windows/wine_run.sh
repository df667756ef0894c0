#!/usr/bin/env bash
# Zubrik: runs a Windows program of the build under Wine, in the build tree's own prefix.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: wine_run.sh PROGRAM.exe [ARGUMENT...]; the exit status is the
# program's. CTest puts it before every test program of the mingw build
# (CMAKE_CROSSCOMPILING_EMULATOR), the end-to-end scripts start the game with
# it. wine_run.sh --prepare makes the prefix of the build tree it is run in,
# and runs nothing.
#
# The prefix is <build tree>/wine-prefix, the build tree being the nearest
# folder above the program (or the current one) that holds a CMakeCache.txt
# (ZUBRIK_WINEPREFIX names another). It is made on first use, once, however many tests start side
# by side: the first takes the lock and boots it (some 15 s), the others wait.
# Made with no desktop integration (no menu entries, no file associations), no
# .NET or HTML engine to install, and a Japanese font for the system's own
# dialogs (wine_prefix.reg).
set -euo pipefail

program=${1:?usage: wine_run.sh PROGRAM.exe [ARGUMENT...]}
here=$(cd "$(dirname "$0")" && pwd)

build_tree() {
  local dir=$PWD
  [[ "$program" == --prepare ]] || dir=$(cd "$(dirname "$program")" && pwd)
  while [[ "$dir" != / ]]; do
    [[ -f "$dir/CMakeCache.txt" ]] && { echo "$dir"; return 0; }
    dir=$(dirname "$dir")
  done
  echo "wine_run.sh: $program lies in no build tree; set ZUBRIK_WINEPREFIX" >&2
  return 1
}

export WINEPREFIX=${ZUBRIK_WINEPREFIX:-$(build_tree)/wine-prefix}
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# A prefix counts as made once its marker exists: a boot cut short (a timeout,
# a ^C) leaves none, and the next run starts over.
ready=$WINEPREFIX/.zubrik-ready
if [[ ! -e "$ready" ]]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [[ ! -e "$ready" ]]; then
    rm -rf "$WINEPREFIX"
    wine wineboot -u >/dev/null 2>&1
    # regedit takes a Windows path; Z: is the root of the Unix tree.
    wine regedit /S "Z:${here//\//\\}\\wine_prefix.reg" >/dev/null 2>&1
    # The registry reaches the disk when the server ends.
    wineserver -w
    touch "$ready"
  fi
  flock -u 9
  exec 9>&-
fi

[[ "$program" == --prepare ]] || exec wine "$@"
