#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each fuzzer for a bounded time, starting from its corpus: the RTF reader's from
# fuzz/corpus/, the stroke table's from fuzz/corpus_strokes/.
# Usage: fuzz/run.sh BUILD_DIR [SECONDS]   (default 60 s each)
# New inputs go to a scratch folder, so the committed corpus stays small; crashes and hangs are
# written to fuzz/artifacts/ and fail the run.
set -euo pipefail
build=${1:?usage: fuzz/run.sh BUILD_DIR [SECONDS]}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$here/artifacts"

run() {  # fuzzer, its corpus folder, libFuzzer options...
  local fuzzer="$build/fuzz/$1" corpus=$2
  shift 2
  [ -x "$fuzzer" ] || { echo "no fuzzer at $fuzzer; configure with -DZIGE_FUZZ=ON" >&2; exit 1; }
  mkdir -p "$scratch/$corpus"
  "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$here/artifacts/" "$@" "$scratch/$corpus" "$here/$corpus"
}

# Control words the reader knows, so the fuzzer reaches its branches sooner.
words=(rtf1 ansi ansicpg936 ansicpg1252 deff0 fonttbl colortbl red255 green0 blue0 stylesheet
  info pict object fldinst fldrslt field par line tab cell row plain pard b b0 i i0 ul ulnone
  fs24 f0 f1 cf1 fcharset134 fcharset136 fcharset128 cpg950 uc0 uc1 uc2 u-10179 u20013 bin4
  v v0 dbch loch ab af1 afs28 emdash)
{
  for w in "${words[@]}"; do echo "\"\\\\$w\""; done
  # \* \' \~ \- \_ and a backslash before a line feed, then the group and table punctuation.
  for s in '*' "'" '~' '-' '_' '\x0a'; do echo "\"\\\\$s\""; done
  printf '"{"\n"}"\n";"\n'
} > "$scratch/rtf.dict"

export QT_QPA_PLATFORM=offscreen
run rtf_reader_fuzz corpus -max_len=16384 -dict="$scratch/rtf.dict"
run stroke_table_fuzz corpus_strokes -max_len=4096
