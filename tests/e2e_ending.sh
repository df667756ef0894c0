#!/usr/bin/env bash
# Zubrik: the ending under X: the last box, the staff roll, and the way out, by
# 終わります or by a close request sent as a window manager sends it.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
USAGE="usage: e2e_ending.sh path/to/zubrik_ending_driver path/to/zubrik_wm_close [screenshot-dir]"
ZUBRIK=${1:?$USAGE}
WM_CLOSE=${2:?$USAGE}
SHOTS=${3:-}
source "$(dirname "$0")/e2e_lib.sh"

# A window of the game by title, waited for up to five seconds.
find_window() { # find_window TITLE-REGEX
  local id
  for _ in $(seq 50); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
    [[ -n "$id" ]] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Starts the game one jump short of the end, presses ジャンプ, answers the
# last box; sets ENDING to the ending window.
reach_ending() {
  start_game
  click_at "$WINDOW" 152 204   # ジャンプ: the counter goes from 999998 to 999999
  BOX=$(find_window '^999999回おめでとう$') || fail "the 999999 box did not appear"
  sleep 0.3
  read -r X Y W H < <(window_geometry "$BOX")
  shot "$WORK/box.png" "$X" "$Y" "$W" "$H"
  xdotool windowfocus --sync "$BOX" || true
  xdotool key Return

  # The ending is the one window titled Zubrik that has the ending's size.
  ENDING=
  for _ in $(seq 50); do
    for id in $(xdotool search --onlyvisible --name '^Zubrik$' 2>/dev/null || true); do
      # A window may go away between the search and the question.
      read -r X Y W H < <(window_geometry "$id" 2>/dev/null) || continue
      [[ "$W" == 355 && "$H" == 274 ]] && ENDING=$id
    done
    [[ -n "$ENDING" ]] && break
    sleep 0.1
  done
  [[ -n "$ENDING" ]] || fail "the ending window did not appear after the box"
  if xdotool search --onlyvisible --name '^999999回おめでとう$' >/dev/null 2>&1; then fail "the box is still open"; fi
}

start_xvfb
reach_ending
sleep 0.3
read -r X Y W H < <(window_geometry "$ENDING")
# Centred to the pixel, either way of the half.
(( X >= (1024 - 355) / 2 - 1 && X <= (1024 - 355) / 2 + 1 )) || fail "ending not centred across: x = $X"
(( Y >= (768 - 274) / 2 - 1 && Y <= (768 - 274) / 2 + 1 )) || fail "ending not centred down: y = $Y"
shot "$WORK/ending.png" "$X" "$Y" 355 274
# White ground, the rule across at row 56, the button's face at its place.
pixel() { $CONVERT "$WORK/ending.png" -format "%[fx:round(255*p{$1,$2}.intensity)]" info:; }
(( $(pixel 2 2) == 255 )) || fail "the ending's ground is not white"
(( $(pixel 100 56) < 100 && $(pixel 100 58) == 255 )) || fail "no rule at row 56"
(( $(pixel 280 236) < 255 )) || fail "no button at (272, 232)"

click_at "$ENDING" 308 244   # 終わります
expect_clean_exit "終わります"
if [[ -n "$SHOTS" ]]; then mkdir -p "$SHOTS" && cp "$WORK/box.png" "$WORK/ending.png" "$SHOTS/"; fi

# The ending has no close box, but a desktop can still ask it to close (a close
# key, its window list, a logout); that ends the game just as 終わります does.
reach_ending
"$WM_CLOSE" "$ENDING" || fail "the close request could not be sent to the ending"
expect_clean_exit "close request on the ending"
echo "e2e ending: 2 passed, 0 failed"
