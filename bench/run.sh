#!/usr/bin/env bash
# Runs every benchmark of a Release build and prints one table: median, min and max of each
# measurement next to its floor, and their ratio. Usage: bench/run.sh BUILD_DIR
set -euo pipefail
build=${1:-build-bench}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export QT_QPA_PLATFORM=offscreen
for program in "$build"/bench/*_bench; do
  "$program" --benchmark_repetitions="${REPETITIONS:-7}" --benchmark_format=json \
    --benchmark_out="$out/$(basename "$program").json" --benchmark_out_format=json >/dev/null
done
exec python3 "$(dirname "$0")/table.py" "$build" "$out"
