#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# run-fuzzers.sh <seconds> [build folder] [output folder]
# FUZZERS="music_fuzz ..." in the environment runs only those.
# Runs every fuzzer of a build for the given time each, in libFuzzer's fork
# mode so that a crash, a hang or a memory blow-up is kept and the run goes
# on, then prints for each its executions and findings. The inputs that
# crashed or hung stay in the output folder. For the music fuzzer, whose
# findings are faults of the system's decoders, it also sorts corpus and
# findings by format, shows how the game's own decoder process ends on each
# finding, and has the game's sound layer play them all (the hostile sounds
# test): the game must play on after every one.
set -euo pipefail
seconds=${1:?usage: run-fuzzers.sh <seconds> [build folder] [output folder]}
build=$(realpath "${2:-build}")
out=$(realpath -m "${3:-$build/fuzz-runs/$(date +%Y%m%d-%H%M%S)}")
source_dir=$(realpath "$(dirname "$0")/..")
decoder=$build/Zorbil/zorbil-decoder
hostile_test=$build/tests/audio/hostile_sounds_test

# shellcheck source=fuzz/finding-origin.sh
source "$source_dir/fuzz/finding-origin.sh"

hex() { od -An -tx1 -j "$2" -N "$3" "$1" 2>/dev/null | tr -d ' \n'; }

format_of() {
  local f=$1
  case $(hex "$f" 0 4) in
    52494646) case $(hex "$f" 8 4) in 57415645) echo wav ;; 524d4944) echo midi ;; *) echo other ;; esac; return ;;
    464f524d) echo aiff; return ;;
    4f676753) [ "$(hex "$f" 28 8)" = 4f70757348656164 ] && echo opus || echo ogg; return ;;
    664c6143) echo flac; return ;;
    4d546864) echo midi; return ;;
    494d504d) echo it; return ;;
    45787465) echo xm; return ;;
    494433*) echo mp3; return ;;
    fffb* | fffa* | fff3* | fff2* | ffe3*) echo mp3; return ;;
  esac
  [ "$(hex "$f" 44 4)" = 5343524d ] && { echo s3m; return; }
  case $(hex "$f" 1080 4) in 4d2e4b2e | 4d214b21 | 464c5434 | 464c5438 | 3443484e | 3843484e) echo mod; return ;; esac
  echo other
}

by_format() {
  if [ ! -d "$1" ] || [ -z "$(ls -A "$1")" ]; then echo "none"; return; fi
  for f in "$1"/*; do format_of "$f"; done | sort | uniq -c | awk '{printf "%s %s, ", $2, $1}' | sed 's/, $/\n/'
}

count() { local files=("$1/$2"-*); echo ${#files[@]}; }

# How the game's decoder process, locked down as the game runs it, ends on a
# file in each mode: "ends" on its own, "refuses" it, "killed by SIGNAL",
# or "runs on" (a looping song or stream, stopped after a few seconds).
decoder_ends() {
  local mode status verdicts=()
  for mode in song stream; do
    status=0
    timeout -s KILL 5 "$decoder" "$mode" 22050 "$1" 2>/dev/null | cat >/dev/null || status=${PIPESTATUS[0]}
    case $status in
      0) verdicts+=("$mode ends") ;;
      3) verdicts+=("$mode refused") ;;
      137) verdicts+=("$mode runs on") ;;
      12[0-9] | 1[3-9][0-9]) verdicts+=("$mode killed by $(kill -l $((status - 128)))") ;;
      *) verdicts+=("$mode status $status") ;;
    esac
  done
  echo "${verdicts[*]}"
}

shopt -s nullglob
fuzzers=("$build"/fuzz-build/*_fuzz)
[ ${#fuzzers[@]} -gt 0 ] || { echo "no fuzzers in $build/fuzz-build (a build with -DZORBIL_FUZZ=ON)"; exit 1; }
mkdir -p "$out"
echo "Fuzzing ${#fuzzers[@]} targets for ${seconds}s each; results in $out"
for fuzzer in "${fuzzers[@]}"; do
  name=$(basename "$fuzzer")
  if [ -n "${FUZZERS:-}" ] && [[ " $FUZZERS " != *" $name "* ]]; then continue; fi
  seeds=$source_dir/fuzz/corpus/$name
  [ -d "$seeds" ] || seeds=$build/fuzz-seeds/$name
  dir=$out/$name
  mkdir -p "$dir/corpus" "$dir/findings"
  ZORBIL_FUZZ_TALLY=$dir/tally "$fuzzer" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$dir/findings/" "$dir/corpus" "$seeds" >"$dir/log" 2>&1 || true
  executions=$(grep -oE '^#[0-9]+' "$dir/log" | tr -d '#' | sort -n | tail -n 1)
  crashes=$(count "$dir/findings" crash) hangs=$(count "$dir/findings" timeout)
  ooms=$(count "$dir/findings" oom) leaks=$(count "$dir/findings" leak)
  ours=0
  for finding in "$dir/findings"/*; do
    origin=$(finding_origin "$fuzzer" "$finding")
    echo "$origin $(basename "$finding")" >>"$dir/origins"
    [ "$origin" != ours ] || { ours=$((ours + 1)); echo "  IN OUR CODE: $finding"; }
  done
  echo "$name: ${executions:-0} executions; findings: $crashes crashes, $hangs hangs, $ooms out of memory," \
    "$leaks leaks; $ours of them in our own code"
  if [ "$name" = music_fuzz ]; then
    [ -f "$dir/tally" ] && echo "  executions by format (jobs that ended without a finding): $(
      awk '{n[$1] += $2} END {for (f in n) printf "%s %d, ", f, n[f]}' "$dir/tally" | sed 's/, $//')"
    echo "  seeds by format: $(by_format "$seeds")"
    echo "  corpus by format: $(by_format "$dir/corpus")"
    echo "  findings by format: $(by_format "$dir/findings")"
    if [ -x "$decoder" ]; then
      for finding in "$dir/findings"/{crash,timeout,oom}-*; do
        echo "  decoder on $(basename "$finding") ($(format_of "$finding")): $(decoder_ends "$finding")"
      done
    fi
    if [ -x "$hostile_test" ] && [ -n "$(ls -A "$dir/findings")" ]; then
      if ZORBIL_MUSIC_FINDINGS=$dir/findings SDL_AUDIODRIVER=dummy "$hostile_test" \
        --gtest_filter='*FuzzerFindings*' >"$dir/contained" 2>&1; then
        echo "  contained: the game's sound layer played every finding and played on (its memory flat)"
      else
        echo "  NOT CONTAINED: see $dir/contained"
      fi
    fi
  fi
done
