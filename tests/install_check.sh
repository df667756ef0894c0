#!/usr/bin/env bash
# Zubrik: installs the build into a scratch prefix and checks every file and both validators.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: install_check.sh BUILD_DIR APP_ID VERSION PICTURES_DIR BINDIR DATADIR DOCDIR
set -euo pipefail

build=$1 app_id=$2 version=$3 pictures=$4 bindir=$5 datadir=$6 docdir=$7
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --install "$build" --prefix "$prefix" >/dev/null

[[ -x $prefix/$bindir/zubrik ]] || fail "no executable $bindir/zubrik"
desktop=$prefix/$datadir/applications/$app_id.desktop
metainfo=$prefix/$datadir/metainfo/$app_id.metainfo.xml
readme=$prefix/$docdir/Readme.txt
for file in "$desktop" "$metainfo" "$readme"; do
  [[ -s $file ]] || fail "missing or empty: ${file#"$prefix"/}"
done

# Each icon is a whole-pixel enlargement of a drawn size: compared pixel for
# pixel with ImageMagick's own sampling of the same picture.
for entry in 32:32:1 48:48:1 64:32:2 96:48:2 128:32:4 192:48:4 256:32:8 512:32:16; do
  IFS=: read -r size drawn factor <<<"$entry"
  icon=$prefix/$datadir/icons/hicolor/${size}x$size/apps/$app_id.png
  if [[ ! -s $icon ]]; then
    fail "missing icon ${size}x$size"
    continue
  fi
  geometry=$(/usr/bin/identify -format '%wx%h' "$icon")
  [[ $geometry == "${size}x$size" ]] || fail "icon ${size}x$size is $geometry"
  /usr/bin/convert "$pictures/icon$drawn.png" -sample "$((factor * 100))%" "$scratch/expected.png"
  differing=$(/usr/bin/compare -metric AE "$icon" "$scratch/expected.png" null: 2>&1 || true)
  [[ $differing == 0 ]] || fail "icon ${size}x$size differs from icon$drawn.png x$factor in $differing pixels"
done

# The validators: any error or warning fails; notes are shown.
if ! output=$(desktop-file-validate "$desktop" 2>&1) || [[ -n $output ]]; then
  fail "desktop-file-validate: $output"
fi
for check in "validate --no-net --pedantic $metainfo" "validate-tree --no-net --pedantic $prefix"; do
  # shellcheck disable=SC2086
  if ! output=$(appstreamcli $check 2>&1) || grep -q '^[EW]:' <<<"$output"; then
    fail "appstreamcli $check: $output"
  fi
  grep '^[IP]:' <<<"$output" || true
done

# The entry, the metainfo and the program agree with each other.
grep -qx "Icon=$app_id" "$desktop" || fail "desktop entry does not name icon $app_id"
grep -qx "Exec=zubrik" "$desktop" || fail "desktop entry does not start zubrik"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" \
  || fail "metainfo does not launch $app_id.desktop"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo release is not $version"
grep -q "<screenshot" "$metainfo" && fail "metainfo names a screenshot address"
iconv -f UTF-8 -t UTF-8 "$readme" >/dev/null || fail "Readme.txt is not UTF-8"

if ((failures > 0)); then
  echo "$failures failure(s)"
  exit 1
fi
echo "installed and valid: $(cd "$prefix" && find . -type f | wc -l) files"
