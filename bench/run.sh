#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark of a Release build and prints one table: median, min and max of each
# measurement next to its floor, their ratio, and what each floor leaves out.
# Usage: bench/run.sh BUILD_DIR. REPETITIONS=n repeats each measurement n times (default 7; a
# whole listing at most 3 times; the process probes 2n + 1 times). A row that misses its target
# fails the run unless FAIL_ON_MISS=0.
set -euo pipefail
build=${1:-build-bench}
repetitions=${REPETITIONS:-7}
out=$(mktemp -d)
x_pids=()
finish() {
  for pid in "${x_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$out"
}
trap finish EXIT

# A measurement's repetitions run interleaved with its floor's, in random order, so the load of
# a shared machine, which drifts, meets both alike.
run() {  # program, output name, repetitions, extra arguments...
  local program=$1 name=$2 times=$3
  shift 3
  "$program" --benchmark_repetitions="$times" --benchmark_enable_random_interleaving=true "$@" \
    --benchmark_format=json \
    --benchmark_out="$out/$name.json" --benchmark_out_format=json >/dev/null
}

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$out"
for program in "$build"/bench/*_bench; do
  name=$(basename "$program")
  if [ "$name" = listing_bench ]; then
    run "$program" "$name" "$repetitions" --benchmark_filter=filter
  elif [ "$name" = copybook_bench ]; then  # a whole copybook takes seconds to a minute
    run "$program" "$name" $((repetitions < 3 ? repetitions : 3))
  elif [ "$name" = strokes_bench ]; then  # the table as often as the others, its copybook less
    run "$program" "$name" "$repetitions" --benchmark_filter=-copybook
    run "$program" strokes_copybook $((repetitions < 3 ? repetitions : 3)) \
      --benchmark_filter=copybook
  else
    run "$program" "$name" "$repetitions"
  fi
done

# The listing paints a real window: an X server (Xvfb) with a window manager (openbox), as a
# desktop has. Offscreen, Qt talks to no display and the cost of painting hides.
platform=offscreen
if command -v Xvfb >/dev/null && command -v openbox >/dev/null && command -v xprop >/dev/null; then
  Xvfb -displayfd 3 -screen 0 1600x1300x24 -nolisten tcp -noreset 3>"$out/display" 2>/dev/null &
  x_pids+=($!)
  for _ in $(seq 100); do [ -s "$out/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$out/display")"
  openbox --sm-disable >/dev/null 2>&1 &
  x_pids+=($!)
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window && break
    sleep 0.1
  done
  platform=xcb
else
  echo "run.sh: Xvfb, openbox or xprop missing; the listing runs offscreen" >&2
fi
QT_QPA_PLATFORM=$platform run "$build/bench/listing_bench" listing_in_window \
  $((repetitions < 3 ? repetitions : 3)) --benchmark_filter=listing
for pid in "${x_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
wait 2>/dev/null || true
x_pids=()

# The text window shows the library's plain text as the main window draws it.
QT_QPA_PLATFORM=offscreen "$build/bench/startup_probe" --library-text "$build/bench/hz_plain.txt"
LISTING_PLATFORM=$platform PROBE_RUNS=$((2 * repetitions + 1)) \
  python3 "$(dirname "$0")/table.py" "$build" "$out"
