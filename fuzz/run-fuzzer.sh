#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run-fuzzer.sh <fuzzer> <seed corpus dir> <seconds>
# Runs a libFuzzer binary for a bounded time on a scratch copy of its seed
# corpus; any crash, leak, sanitizer report or timeout fails the test.
set -euo pipefail
fuzzer=$1 seeds=$2 seconds=$3
[ -x "$fuzzer" ] || { echo "fuzzer not built: $fuzzer"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
if [ -d "$seeds" ]; then cp -r "$seeds"/. "$work/corpus/"; fi
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" 2>"$work/log" || {
  tail -n 60 "$work/log"
  echo "FUZZER FOUND A PROBLEM"; exit 1; }
grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$work/log" || tail -n 5 "$work/log"
