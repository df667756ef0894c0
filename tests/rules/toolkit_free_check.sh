#!/usr/bin/env bash
# Zubrik: the game stands on its own: no Qt in its sources, on its include
# paths or among the libraries its programs need.
# Usage: toolkit_free_check.sh SOURCE_DIR BUILD_DIR PROGRAM
# Copyright (c) 2026 the Zubrik developers. MIT licence.
set -euo pipefail
source_dir=$1 build_dir=$2 program=$3
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# The game's folders and the surface's own files (platform/ without its backends).
cd "$source_dir"
files=$(ls core/* dialogs/* ending/* assets/*.h assets/*.cpp platform/*.h platform/*.cpp)
if hits=$(grep -nE '#include *[<"](Q|qt)|\bQ[A-Z][A-Za-z]+\b|\bQt::' $files); then
  fail "Qt named in the game or its surface:"
  echo "$hits"
fi

# Every compile line of this build: no Qt directory on any include path (one
# whose name begins with qt; a source tree in ~/wt-qt is no Qt).
commands=$build_dir/compile_commands.json
if [[ ! -s $commands ]]; then
  fail "no $commands: configure with CMAKE_EXPORT_COMPILE_COMMANDS=ON"
elif grep -qiE -- '-(I|isystem) *([^ ]*/)?qt' "$commands"; then
  fail "a Qt include path in $commands"
fi

# The program links the standard library alone (and the C library under it).
needed=$(objdump -p "$program" | awk '/NEEDED/ { print $2 }')
others=$(grep -vE '^(libstdc\+\+|libm|libgcc_s|libc)\.so' <<<"$needed" || true)
[[ -z $others ]] || fail "$(basename "$program") needs more than the standard library: $others"

if ((failed)); then exit 1; fi
echo "toolkit-free: $(wc -w <<<"$files") source files, $(grep -c '"file"' "$commands") compile lines, libraries: $(tr '\n' ' ' <<<"$needed")"
