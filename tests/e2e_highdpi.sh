#!/usr/bin/env bash
# Zubrik: the real game on an X screen of 144 dpi (a 1.5 scale): rounded to 2, the stage in exact blocks.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
ZUBRIK=${1:?usage: e2e_highdpi.sh path/to/zubrik}
source "$(dirname "$0")/e2e_lib.sh"

start_xvfb
# The stage as it stands at start-up, on the plain 96-dpi screen.
start_game
read -r X Y W H < <(window_geometry "$WINDOW")
[[ "$W" == 303 && "$H" == 247 ]] || fail "at 96 dpi the window is ${W}x$H"
shot "$WORK/stage96.png" "$X" "$Y" 303 183
kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null || true

# The desktop's dpi setting, where Qt reads it on X.
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "$(printf 'Xft.dpi:\t144\n')"
start_game
read -r X Y W H < <(window_geometry "$WINDOW")
[[ "$W" == 606 && "$H" == 494 ]] || fail "at 144 dpi the window is ${W}x$H, not twice 303x247"
shot "$WORK/stage144.png" "$X" "$Y" 606 366
$CONVERT "$WORK/stage96.png" -sample 200% "$WORK/stage96x2.png"
apart=$(differing_pixels "$WORK/stage96x2.png" "$WORK/stage144.png")
[[ "$apart" == 0 ]] || fail "$apart device pixels differ from the 96-dpi stage in 2x2 blocks"
echo "e2e high dpi: 1 passed, 0 failed"
