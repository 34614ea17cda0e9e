#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# menu-cpu.sh SECONDS GAME_FOLDER...: the processor time a start costs. Each
# game folder's program is started in turn on a private X server, its
# configuration dialog confirmed, and left in the main menu with its music;
# SECONDS after the launch, the processor time of the game and that of all
# its helper processes (live ones and those already ended) are printed.
# Prints figures; asserts nothing.
set -euo pipefail
seconds=${1:?usage: menu-cpu.sh SECONDS GAME_FOLDER...}
shift
[ $# -gt 0 ] || { echo "usage: menu-cpu.sh SECONDS GAME_FOLDER..." >&2; exit 2; }
# shellcheck source=tests/support/private-display.sh
source "$(dirname "$0")/../../tests/support/private-display.sh"
start_xvfb
headless_game
ticks=$(getconf CLK_TCK)

# Own user and system time of a process, in clock ticks, and that of its
# children it has waited for (fields 14 to 17 after the command's name).
times_of() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || { echo "0 0"; return; }
  stat=${stat##*) }
  # shellcheck disable=SC2086
  set -- $stat
  echo "$((${12} + ${13})) $((${14} + ${15}))"
}

descendants() {
  local child
  for child in $(cat /proc/"$1"/task/*/children 2>/dev/null); do
    echo "$child"
    descendants "$child"
  done
}

for folder in "$@"; do
  copy=$work/game-$RANDOM
  cp -r "$folder" "$copy"
  rm -f "$copy/Data/Config.dat"
  start=$(date +%s.%N)
  (cd "$copy" && exec ./zorbil) &
  game=$!
  track $game
  focus "Zorbil - Configuration"
  keys alt+o
  focus "Zorbil"
  sleep "$(awk -v s="$start" -v n="$seconds" -v now="$(date +%s.%N)" 'BEGIN {d = s + n - now; print (d > 0 ? d : 0)}')"
  read -r own waited < <(times_of $game)
  live=0 helpers=0
  for helper in $(descendants $game); do
    read -r helper_own helper_waited < <(times_of "$helper")
    live=$((live + helper_own + helper_waited)) helpers=$((helpers + 1))
  done
  kill $game
  ends $game "the game did not end"
  awk -v f="$folder" -v s="$seconds" -v own="$own" -v all="$((waited + live))" -v n="$helpers" -v live="$live" \
    -v t="$ticks" 'BEGIN {printf "%s: %s s after the launch; the game %.2f s of processor time, its helpers %.2f s (%d still running: %.2f s)\n", f, s, own / t, all / t, n, live / t}'
done
