#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# decline-large-fonts.sh GAME_FOLDER: on a large-fonts desktop (run it under
# with-desktop-dpi.sh 120), answering "&Non" by keyboard ends the program
# before anything is saved.
set -euo pipefail
work=$(mktemp -d)
game=
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cp -r "$1" "$work/Zorbil"
folder=$work/Zorbil
rm -f "$folder/Data/Config.dat"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb LIBGL_ALWAYS_SOFTWARE=1
# In French, whatever the machine's language: the question and its answer are French.
export LANG=C.UTF-8 LANGUAGE=fr
unset LC_ALL LC_MESSAGES

(cd "$folder" && exec ./zorbil) &
game=$!
id=$(timeout 20 xdotool search --sync --onlyvisible --name '^Avertissement$' | head -n 1) || fail "no large-fonts question"
xdotool windowfocus --sync "$id"
xdotool key --clearmodifiers alt+n
for _ in $(seq 100); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "the program is still running after \"&Non\""
wait "$game" || fail "the program ended with status $?"
game=
[ -e "$folder/Data/Config.dat" ] && fail "the settings were saved"
echo "\"&Non\" ended the program"
