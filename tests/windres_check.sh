#!/usr/bin/env bash
# Zubrik: the Windows version resource compiled with a cross resource compiler and
# read back: version, language, names and icon as the program's version record says.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# No cross compiler is needed: the resource compiler runs the host's C
# preprocessor over the target's headers, with the target's own defines.
set -euo pipefail
USAGE="usage: windres_check.sh WINDRES ZUBRIK_RC ICO VERSION PRODUCT DESCRIPTION INTERNAL"
WINDRES=${1:?$USAGE}; RC=${2:?$USAGE}; ICO=${3:?$USAGE}; VERSION=${4:?$USAGE}
PRODUCT=${5:?$USAGE}; DESCRIPTION=${6:?$USAGE}; INTERNAL=${7:?$USAGE}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
failures=0
check() { # check WHAT PATTERN: the read-back record must hold a line matching PATTERN
  if grep -Eq -- "$2" "$WORK/back.rc"; then return 0; fi
  echo "FAIL: $1: no line matching '$2'" >&2
  failures=$((failures + 1))
}

command -v "$WINDRES" >/dev/null || fail "no $WINDRES (Debian: binutils-mingw-w64-x86-64)"
HEADERS=/usr/share/mingw-w64/include
[[ -f "$HEADERS/winver.h" ]] || fail "no winver.h in $HEADERS (Debian: mingw-w64-common)"

"$WINDRES" --preprocessor=cpp --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED \
  --preprocessor-arg=-D_WIN32 --preprocessor-arg=-D_WIN64 -I"$HEADERS" \
  -i "$RC" -O res -o "$WORK/zubrik.res" || fail "$RC does not compile"
"$WINDRES" -i "$WORK/zubrik.res" -O rc -o "$WORK/back.rc" || fail "the compiled resource cannot be read back"

IFS=. read -r major minor patch <<<"$VERSION"
# Japanese: primary language 0x11, sublanguage 1, together 0x0411; code page 1200 (UTF-16).
check "resources not all Japanese" '^LANGUAGE 17, 1$'
if grep -E '^LANGUAGE ' "$WORK/back.rc" | grep -vqx 'LANGUAGE 17, 1'; then
  echo "FAIL: a resource in another language: $(grep -E '^LANGUAGE ' "$WORK/back.rc" | sort -u | tr '\n' ' ')" >&2
  failures=$((failures + 1))
fi
check "file version" "^ FILEVERSION $major, $minor, $patch, 0\$"
check "product version" "^ PRODUCTVERSION $major, $minor, $patch, 0\$"
check "an application" '^ FILETYPE 0x1$'
check "strings for Japanese in UTF-16" '^    BLOCK "041104B0"$'
check "translation" '^    VALUE "Translation", 0x411, 1200$'
for value in "FileVersion:$VERSION" "ProductVersion:$VERSION" "ProductName:$PRODUCT" \
             "FileDescription:$DESCRIPTION" "InternalName:$INTERNAL" "OriginalFilename:zubrik.exe"; do
  check "${value%%:*}" "^      VALUE \"${value%%:*}\", \"${value#*:}\"\$"
done

# The icon: a group named IDI_ICON1 with one image of each size the icon file holds.
check "icon group" '^"IDI_ICON1" 14 /\* RT_GROUP_ICON \*/'
ico_count=$(od -An -tu2 -j4 -N2 "$ICO" | tr -d ' ')
ico_sizes=$(for ((i = 0; i < ico_count; i++)); do od -An -tu1 -j$((6 + 16 * i)) -N2 "$ICO"; done |
  awk '{ printf "%sx%s ", $1, $2 }')
group_sizes=$({ grep -E '^ +"\\[0-7]{3}\\[0-7]{3}\\[0-7]{3}\\[0-7]{3}", ' "$WORK/back.rc" || true; } |
  sed -E 's/^ +"\\([0-7]{3})\\([0-7]{3}).*/\1 \2/' | while read -r w h; do printf '%dx%d ' "0$w" "0$h"; done)
[[ -n "$ico_sizes" && "$group_sizes" == "$ico_sizes" ]] ||
  { echo "FAIL: icon images $group_sizes, the icon file holds $ico_sizes" >&2; failures=$((failures + 1)); }
(( $(grep -c 'RT_ICON \*/' "$WORK/back.rc" || true) == ico_count )) ||
  { echo "FAIL: not $ico_count icon images" >&2; failures=$((failures + 1)); }

(( failures == 0 )) || { sed -n '/VERSIONINFO/,$p' "$WORK/back.rc" >&2; exit 1; }
echo "windres check: version $VERSION, language 0x0411, icon $ico_sizes- passed"
