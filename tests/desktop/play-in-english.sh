#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# play-in-english.sh GAME_FOLDER SCREEN_CHECK TS_FILE: plays Zorbil through
# its screens as a player whose desktop speaks British English, by keyboard
# with the English accelerators, and reads every screen with OCR: each shows
# its English words and no French word. The French words are those of the
# texts marked for translation that no English translation uses; the title
# pictures count. The files the game leaves are those of a French game.
set -euo pipefail
source_folder=$1
screen_check=$2
ts_file=$3
# shellcheck source=tests/support/private-display.sh
source "$(dirname "$0")/../support/private-display.sh"
fail_context=english
key_delay=0.3

# Words of three letters or more, lower case, one a line.
words() { grep -oE '[A-Za-z]{3,}' | tr 'A-Z' 'a-z' | sort -u; }
texts() { grep -o "<$1>[^<]*" "$ts_file" | sed "s/<$1>//; s/&amp;//g; s/&apos;/ /g; s/&quot;/ /g"; }
texts translation | words >"$work/english"
# The French titles drawn in the pictures, and words French shares with
# English, where a misread letter could make one out of an English word.
{ texts source; echo "Jeu en Pause Les Scores Options de Jeu Aide et Instructions"; } | words |
  comm -23 - "$work/english" | grep -vxE 'base|bas|car|der|fin|fond|grand|part|pause|plan|rent|son|tour|type|ver|met|mes|tat|tre|ter|tra|ces' \
  >"$work/french"
[ "$(wc -l <"$work/french")" -gt 100 ] || fail "too few French words drawn from $ts_file"

cp -r "$source_folder" "$work/Zorbil"
folder=$work/Zorbil
rm -f "$folder"/Data/{Config.dat,Scores.dat,Temp.dat,Log.txt} "$folder/log.txt"

start_xvfb
headless_game
export LANG=en_GB.UTF-8

# reads NAME WORD...: the screen, read by OCR (at twice its size, for the
# dialog's small letters), shows every WORD and no French word. Tries a few
# times: a screen may still be drawing.
reads() {
  local name=$1 missing french
  shift
  for _ in $(seq 5); do
    import -window root "$work/$name.png"
    convert "$work/$name.png" -resize 200% "$work/ocr.png"
    tesseract "$work/ocr.png" - -l eng 2>/dev/null | words >"$work/$name.words"
    missing=$(printf '%s\n' "$@" | tr 'A-Z' 'a-z' | sort -u | comm -23 - "$work/$name.words" | tr '\n' ' ')
    [ -z "$missing" ] && break
    sleep 0.5
  done
  french=$(comm -12 "$work/$name.words" "$work/french" | tr '\n' ' ')
  if [ -n "$missing" ] || [ -n "$french" ]; then
    cp "$work/$name.png" "${TMPDIR:-/tmp}/zorbil-english-$name.png"
    fail "$name screen: English words not read: ${missing:-none}; French words read: ${french:-none}; screen kept as ${TMPDIR:-/tmp}/zorbil-english-$name.png"
  fi
  echo "$name: $(wc -l <"$work/$name.words") words read, none French"
}

(cd "$folder" && exec ./zorbil) >"$work/game.log" 2>&1 &
game=$!
track $game
fail_log=$work/game.log

focus "Zorbil - Configuration"
reads dialog Sound Quality Driver Mixer Display Full Screen Windowed Quit
keys alt+o
focus "Zorbil"
shows menu
reads menu Play Best Scores Help Instructions Game Options Quit Zorbil
keys alt+h
reads help Help Instructions About Continue
keys alt+c
shows menu
keys alt+o
reads options Game Options Speed Fast Slow Background Texture Music Turn Sounds Continue
keys Tab Tab space alt+c
shows menu
keys alt+p
shows game 8
keys Escape
shows pause
reads pause Game Paused Continue Quit
keys alt+q
shows over
reads over Game Over Continue
keys alt+c
shows scores
reads scores Best Scores Your Score Continue
keys alt+c
shows menu
keys alt+q

ends $game "the program is still running after \"&Quit Zorbil\""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

# The files of a French game: same sections, keys and sizes.
sections=$(tr -d '\r' <"$folder/Data/Config.dat" | sed 's/=.*//' | tr '\n' ' ')
[ "$sections" = "[Config] MixRate Quality Interp SonAct Drv Mixer Aff [Options] Speed SonAct MusAct " ] ||
  fail "Data/Config.dat holds: $(cat "$folder/Data/Config.dat")"
[ "$(stat -c %s "$folder/Data/Scores.dat")" -eq 4 ] || fail "Data/Scores.dat is not 4 bytes"
echo "dialog, menu, help, options, game, pause, game over and scores read in English"
