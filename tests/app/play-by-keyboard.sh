#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# play-by-keyboard.sh GAME_FOLDER SCREEN_CHECK: plays Zorbil the way a player
# does, on a copy of the built game folder, with the keyboard only (xdotool
# types on a private X server), then checks the files the program left
# behind. It waits for each screen to show, never for a time.
set -euo pipefail
source_folder=$1
screen_check=$2
# shellcheck source=tests/support/private-display.sh
source "$(dirname "$0")/../support/private-display.sh"

cp -r "$source_folder" "$work/Zorbil"
folder=$work/Zorbil
rm -f "$folder/Data/Config.dat" "$folder/Data/Scores.dat" "$folder/Data/Temp.dat" "$folder/Data/Log.txt" "$folder/log.txt"
[ -n "$(ls "$folder/Textures"/*.pcx 2>/dev/null)" ] || fail "no background picture in $source_folder/Textures"

start_xvfb
headless_game

(cd "$folder" && exec ./zorbil) &
game=$!
track $game

focus "Zorbil - Configuration"
keys alt+o
focus "Zorbil"
shows menu
# Options: choose the first background picture, then back to the menu.
keys alt+o Tab Tab space alt+c
# Play: the snake runs straight into the right-hand wall, however long the
# machine takes over it.
keys alt+j
shows over 200
# Then the scores, then the main menu, then quit.
keys alt+c alt+c alt+q

ends $game "the program is still running after \"&Quitter Zorbil\""
[ "$status" -eq 0 ] || fail "the program ended with status $status"

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
