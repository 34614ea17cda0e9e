#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run-fuzzer.sh <fuzzer> <seed corpus dir> <seconds> [library-faults-contained]
# Runs a libFuzzer binary for a bounded time on a scratch copy of its seed
# corpus; any crash, leak, sanitizer report or timeout fails the test.
# With library-faults-contained, for a target that drives system decoders
# the game only reaches through its decoder process: the run goes on past
# their faults, and only a fault in our own code fails the test.
set -euo pipefail
fuzzer=$1 seeds=$2 seconds=$3 mode=${4:-}
[ -x "$fuzzer" ] || { echo "fuzzer not built: $fuzzer"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
if [ -d "$seeds" ]; then cp -r "$seeds"/. "$work/corpus/"; fi
if [ "$mode" = library-faults-contained ]; then
  # shellcheck source=fuzz/finding-origin.sh
  source "$(dirname "$0")/finding-origin.sh"
  mkdir -p "$work/findings"
  "$fuzzer" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 -detect_leaks=0 \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$work/findings/" \
    "$work/corpus" 2>"$work/log" || true
  library=0
  for finding in "$work/findings"/*; do
    [ -e "$finding" ] || continue
    if [ "$(finding_origin "$fuzzer" "$finding")" = ours ]; then
      "$fuzzer" -runs=1 "$finding" 2>&1 | tail -n 40
      echo "FUZZER FOUND A PROBLEM IN OUR CODE"; exit 1
    fi
    library=$((library + 1))
  done
  grep -oE '^#[0-9]+' "$work/log" | tail -n 1 | sed 's/#/executions: /'
  echo "faults of the system's decoders, contained in the decoder process: $library"
  exit 0
fi
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" 2>"$work/log" || {
  tail -n 60 "$work/log"
  echo "FUZZER FOUND A PROBLEM"; exit 1; }
grep -E 'stat::number_of_executed_units|Done [0-9]+ runs' "$work/log" || tail -n 5 "$work/log"
