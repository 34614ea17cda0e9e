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
# One thread for OCR: the tests run two at a time on two cores.
export OMP_THREAD_LIMIT=1

# Words of LENGTH letters or more, lower case, one a line.
words() { { grep -oE "[A-Za-z]{${1:-3},}" || true; } | tr 'A-Z' 'a-z' | sort -u; }
texts() { grep -o "<$1>[^<]*" "$ts_file" | sed "s/<$1>//; s/&amp;//g; s/&apos;/ /g; s/&quot;/ /g"; }
# The French words: those of the marked texts (four letters or more, so that
# the odd letters OCR finds in a wallpaper make none) that no translation
# uses, nor the names of the shipped files, which stay French; and the
# French titles' "jeu". Words French shares with English are left out.
{ texts translation; ls "$source_folder/Textures" "$source_folder/Musiques"; } | words >"$work/english"
{ texts source | words 4; echo jeu; } | sort -u | comm -23 - "$work/english" |
  grep -vxE 'base|fond|grand|part|pause|plan|rent|tour|type' >"$work/french"
[ "$(wc -l <"$work/french")" -gt 100 ] || fail "too few French words drawn from $ts_file"

cp -r "$source_folder" "$work/Zorbil"
folder=$work/Zorbil
rm -f "$folder"/Data/{Config.dat,Scores.dat,Temp.dat,Log.txt} "$folder/log.txt"
# The slowest speed: the game waits for its screen to be taken.
printf '[Config]\nMixRate=22050\nQuality=16\nInterp=1\nSonAct=1\nDrv=2\nMixer=11\nAff=1\n[Options]\nSpeed=9\n' \
  >"$folder/Data/Config.dat"

start_xvfb
headless_game

# ocr PICTURE: the words OCR reads in the picture. It is read in black and
# white at twice its size (the dialog's letters are small), once for dark
# and once for light letters, so that the wallpapers fade; and its upper
# third as it is, for the titles' large shaded letters.
ocr() {
  local variant
  for variant in "-colorspace Gray -threshold 25% -resize 200%" "-colorspace Gray -negate -threshold 25% -resize 200%" \
    "-crop 100%x33%+0+0"; do
    # shellcheck disable=SC2086 # the variant is words
    convert "$1" $variant "$work/ocr.png"
    tesseract "$work/ocr.png" - -l eng 2>/dev/null
  done | words
}

# reads NAME WORD...: the window that has the keyboard (or the picture
# NAME.png taken before, without WORD) shows every WORD and no French word.
# Tries a few times: a screen may still be drawing.
reads() {
  local name=$1 missing french
  shift
  for _ in $(seq 3); do
    [ $# -eq 0 ] || import -window "$(xdotool getwindowfocus)" "$work/$name.png"
    ocr "$work/$name.png" >"$work/$name.words"
    missing=
    [ $# -eq 0 ] || missing=$(printf '%s\n' "$@" | tr 'A-Z' 'a-z' | sort -u | comm -23 - "$work/$name.words" | tr '\n' ' ')
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

# A British desktop: its first language is English.
(cd "$folder" && exec env -u LANGUAGE LANG=en_GB.UTF-8 ./zorbil) >"$work/game.log" 2>&1 &
game=$!
track $game
fail_log=$work/game.log

focus "Zorbil - Configuration"
reads dialog Sound Quality Driver Full Screen Windowed
keys alt+o
focus "Zorbil"
shows menu
reads menu Best Help Instructions Game Options Quit Zorbil
keys alt+h
reads help Help Instructions About Continue
keys alt+c
# On a loaded machine the help screen has been seen to miss its first
# Alt+C; the menu has no C of its own, so a second one is harmless.
for _ in $(seq 25); do
  import -window root "$work/screen.ppm"
  "$screen_check" "$work/screen.ppm" menu >/dev/null && break
  sleep 0.2
done
"$screen_check" "$work/screen.ppm" menu >/dev/null || keys alt+c
shows menu
keys alt+o
reads options Game Speed Fast Slow Background Texture Music Turn Sounds Continue
keys Tab Tab space alt+c
shows menu
keys alt+p
shows game 8
# The screen shows took, read later: the snake does not wait.
cp "$work/screen.ppm" "$work/game.ppm"
keys Escape
shows pause
reads pause Game Paused Continue Quit
keys alt+q
shows over
reads over Continue
keys alt+c
shows scores
reads scores Best Scores Your Score Continue
keys alt+c
shows menu
keys alt+q
convert "$work/game.ppm" "$work/game.png"
reads game

ends $game "the program is still running after \"&Quit Zorbil\""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

# The files of a French game: same sections, keys and sizes.
sections=$(tr -d '\r' <"$folder/Data/Config.dat" | sed 's/=.*//' | tr '\n' ' ')
[ "$sections" = "[Config] MixRate Quality Interp SonAct Drv Mixer Aff [Options] Speed SonAct MusAct " ] ||
  fail "Data/Config.dat holds: $(cat "$folder/Data/Config.dat")"
[ "$(stat -c %s "$folder/Data/Scores.dat")" -eq 4 ] || fail "Data/Scores.dat is not 4 bytes"
echo "dialog, menu, help, options, game, pause, game over and scores read in English"
