#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# play-by-keyboard.sh GAME_FOLDER: plays Zorbil the way a player does, on a
# copy of the built game folder, with the keyboard only (xdotool types on a
# private X server), then checks the files the program left behind.
set -euo pipefail
source_folder=$1
work=$(mktemp -d)
xvfb=
game=
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cp -r "$source_folder" "$work/Zorbil"
folder=$work/Zorbil
rm -f "$folder/Data/Config.dat" "$folder/Data/Scores.dat" "$folder/Data/Temp.dat" "$folder/Data/Log.txt" "$folder/log.txt"
[ -n "$(ls "$folder/Textures"/*.pcx 2>/dev/null)" ] || fail "no background picture in $source_folder/Textures"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb LIBGL_ALWAYS_SOFTWARE=1

# Waits for a visible window whose title is exactly $1 and gives it the
# keyboard, as a window manager does for the window a player clicks.
focus() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || fail "no window \"$1\""
  xdotool windowfocus --sync "$id"
}
keys() {
  for k in "$@"; do
    xdotool key --clearmodifiers "$k"
    sleep 0.4
  done
}

(cd "$folder" && exec ./zorbil) &
game=$!

focus "Zorbil - Configuration"
keys alt+o
focus "Zorbil"
sleep 1
# Options: choose the first background picture, then back to the menu.
keys alt+o Tab Tab space alt+c
# Play: the snake runs straight into the right-hand wall.
keys alt+j
for _ in $(seq 100); do
  [ -e "$folder/Data/Log.txt" ] && break
  sleep 0.1
done
sleep 5
# Game over, then the scores, then the main menu, then quit.
keys alt+c alt+c alt+q

for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the program is still running after \"&Quitter Zorbil\""
wait "$game" || fail "the program ended with status $?"
game=

config=$(tr -d '\r' <"$folder/Data/Config.dat")
expected_config='[Config]
MixRate=22050
Quality=16
Interp=1
SonAct=1
Drv=2
Mixer=11
Aff=1
[Options]
Speed=5
SonAct=1
MusAct=1'
[ "$config" = "$expected_config" ] || fail "Data/Config.dat holds: $config"
[ "$(stat -c %s "$folder/Data/Scores.dat")" -eq 4 ] || fail "Data/Scores.dat is not 4 bytes"
[ -e "$folder/Data/Temp.dat" ] && fail "Data/Temp.dat was left behind"
[ -s "$folder/Data/Log.txt" ] || fail "no texture log in Data"
[ -e "$folder/log.txt" ] && fail "the texture log was not moved into Data"
echo "played a game by keyboard; best score $(od -An -t d4 "$folder/Data/Scores.dat" | tr -d ' ')"
