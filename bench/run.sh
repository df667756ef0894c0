#!/usr/bin/env bash
# Zubrik: runs every benchmark and prints its figures. Usage: bench/run.sh BUILD_DIR
# Copyright (c) 2026 the Zubrik developers. MIT licence.
set -euo pipefail
build=${1:-build}
echo "== frame"
"$build/bench/bench_frame"
echo "== 999999 presses to the ending"
QT_QPA_PLATFORM=offscreen "$build/bench/bench_ending_run"
# Tick pacing and start-up are measured on a real X display.
for bench in bench_ticks bench_startup; do
  echo "== ${bench#bench_}"
  xvfb-run -a -s "-screen 0 1024x768x24" "$build/bench/$bench"
done
