#!/usr/bin/env bash
# Zubrik: remakes the README's screenshot from the real game under X: a jump in mid-air.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: tests/screenshot.sh path/to/zubrik [out.png]   (default docs/screenshot.png)
# Export QT_SCALE_FACTOR=2 first for a picture of a dense screen.
ZUBRIK=${1:?usage: screenshot.sh path/to/zubrik [out.png]}
OUT=${2:-$(dirname "$0")/../docs/screenshot.png}
source "$(dirname "$0")/e2e_lib.sh"

start_xvfb
start_game
read -r X Y W H < <(window_geometry "$WINDOW")
scale=${QT_SCALE_FACTOR:-1}
jump_x=$(awk -v s="$scale" 'BEGIN { print int(152 * s) }')
jump_y=$(awk -v s="$scale" 'BEGIN { print int(204 * s) }')

# A few jumps for the counter, each left to land.
for _ in 1 2 3; do
  click_at "$WINDOW" "$jump_x" "$jump_y"
  sleep 0.6
done
# One more, shot several times in flight; the frame furthest from the
# standing one shows the meat nearest the top of its arc.
shot "$WORK/standing.png" "$X" "$Y" "$W" "$H"
click_at "$WINDOW" "$jump_x" "$jump_y"
best=-1
for i in 1 2 3 4 5 6; do
  shot "$WORK/flight$i.png" "$X" "$Y" "$W" "$H"
  apart=$(differing_pixels "$WORK/standing.png" "$WORK/flight$i.png")
  if ((apart > best)); then
    best=$apart
    cp "$WORK/flight$i.png" "$WORK/shot.png"
  fi
done
((best > 0)) || fail "the meat never left the ground"
mkdir -p "$(dirname "$OUT")"
# No time stamps in the file, so that an unchanged picture stays byte for byte.
$CONVERT "$WORK/shot.png" -strip "$OUT"
echo "screenshot ${W}x$H written to $OUT"
