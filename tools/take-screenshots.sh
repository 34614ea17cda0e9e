#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# take-screenshots.sh [GAME_FOLDER [OUT_DIR]]: starts the built game (by
# default build/Zorbil) on a private X server, in French and in each
# language of translations/, and saves what a player sees as small PNG files
# in OUT_DIR (by default docs/screenshots): the configuration dialog, the
# main menu, the options and a game over a background, each as
# LANGUAGE-SCREEN.png.
# Needs the test packages of tools/install-deps.sh (Xvfb, xdotool,
# ImageMagick).
set -euo pipefail
cd "$(dirname "$0")/.."
source_folder=$(realpath "${1:-build/Zorbil}")
out=$(realpath -m "${2:-docs/screenshots}")
# shellcheck source=tests/support/private-display.sh
source tests/support/private-display.sh
[ -x "$source_folder/zorbil" ] || fail "no game in $source_folder: build it first"
mkdir -p "$out"
key_delay=0.4

start_xvfb
headless_game

# shot NAME [WINDOW]: the window (by default the whole screen) at half size
# on the screen's colours, as a palette PNG: small, and sharp for the text.
shot() {
  if [ -n "${2:-}" ]; then
    import -window "$2" "$work/shot.png"
    convert "$work/shot.png" -strip -colors 256 "PNG8:$out/$lang-$1.png"
  else
    import -window root "$work/shot.png"
    convert "$work/shot.png" -resize 50% -strip -colors 256 "PNG8:$out/$lang-$1.png"
  fi
  echo "$out/$lang-$1.png: $(stat -c %s "$out/$lang-$1.png") bytes"
}

play() {
  lang=$1
  local folder=$work/Zorbil-$lang ok=$2 options=$3 continue=$4 play=$5 quit=$6 game dialog
  rm -rf "$folder"
  cp -r "$source_folder" "$folder"
  rm -f "$folder"/Data/{Config.dat,Scores.dat,Temp.dat,Log.txt} "$folder/log.txt"
  # The slowest speed, so that the snake is still on its way when taken.
  printf '[Options]\nSpeed=9\n' >"$folder/Data/Config.dat"
  # shellcheck disable=SC2086 # the environment is words
  (cd "$folder" && exec env $7 ./zorbil) >"$work/game-$lang.log" 2>&1 &
  game=$!
  track "$game"
  focus "Zorbil - Configuration"
  sleep 1
  dialog=$(xdotool search --onlyvisible --name '^Zorbil - Configuration$' | head -n 1)
  shot dialog "$dialog"
  keys "$ok"
  focus "Zorbil"
  sleep 2
  shot menu
  # The options with the third background picture and the second music.
  keys "$options" Tab Tab space Down Down Tab space Down
  sleep 1
  shot options
  keys "$continue" "$play"
  # A turn downwards and one back to the right: the snake in the open.
  sleep 1.5
  keys Down
  sleep 0.8
  keys Right
  sleep 0.5
  shot game
  keys Escape "$quit"
  kill "$game"
  ends "$game" "the game did not end"
}

# alt LANGUAGE CONTEXT SOURCE: the Alt key of the button captioned SOURCE
# (as the .ts file writes it) in that language.
alt() {
  local caption=$3
  if [ "$1" != fr ]; then
    caption=$(awk -v context="$2" -v source="$3" '
      /<name>/ { gsub(/.*<name>|<\/name>.*/, ""); here = $0; next }
      here == context && /<source>/ { s = $0; gsub(/.*<source>|<\/source>.*/, "", s); hit = s == source; next }
      hit && /<translation/ { gsub(/.*<translation[^>]*>|<\/translation>.*/, ""); print; exit }' \
      "translations/zorbil_$1.ts")
  fi
  echo "alt+$(echo "$caption" | sed 's/&amp;&amp;//g; s/.*&amp;\(.\).*/\1/' | tr '[:upper:]' '[:lower:]')"
}

for ts in fr translations/zorbil_*.ts; do
  language=$(basename "$ts" .ts)
  language=${language#zorbil_}
  play "$language" "$(alt "$language" zorbil::TConfigForm '&amp;OK')" "$(alt "$language" zorbil::MainMenuPanel '&amp;Options de Jeu')" \
    "$(alt "$language" zorbil::OptionsPanel '&amp;Continuer')" "$(alt "$language" zorbil::MainMenuPanel '&amp;Jouer')" \
    "$(alt "$language" zorbil::PausePanel '&amp;Quitter')" "LANGUAGE=$language"
done
