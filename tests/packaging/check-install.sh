#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-install.sh BUILD EXPECTED_FILES: installs the built game into a
# staging folder as the package does and checks its files and the desktop
# metadata; starts the installed launcher for a player with a new folder and
# for one whose folder cannot be made; builds the Debian package and checks
# that it holds the same files and finds its dependencies.
set -euo pipefail
build=$1
expected=$2
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
files() { (cd "$1" && find . -mindepth 1 ! -type d | sed 's|^\./||' | LC_ALL=C sort); }

stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
diff -u "$expected" <(files "$stage") || fail "the install does not hold the expected files"
desktop-file-validate "$stage/usr/share/applications/org.zorbil.Zorbil.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$stage/usr/share/metainfo/org.zorbil.Zorbil.metainfo.xml" >"$work/appstream" ||
  { cat "$work/appstream"; fail "AppStream metadata"; }
for size in 32 48 64 128 256; do
  file "$stage/usr/share/icons/hicolor/${size}x$size/apps/org.zorbil.Zorbil.png" |
    grep -q "PNG image data, $size x $size," || fail "no $size-pixel icon"
done
warnings=$(man --warnings -E UTF-8 -l "$stage/usr/share/man/man6/zorbil.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "manual page: $warnings"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb LIBGL_ALWAYS_SOFTWARE=1

# A player's first start: the game runs in a folder of their own that holds
# the shipped files.
(cd / && XDG_DATA_HOME=$work/data exec "$stage/usr/games/zorbil") &
game=$!
id=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zorbil - Configuration$' | head -n 1) ||
  fail "the installed launcher did not start the game"
[ "$(readlink "/proc/$game/cwd")" = "$work/data/zorbil" ] || fail "the game does not run in the player's folder"
diff -u <(files "$stage/usr/share/games/zorbil") <(files "$work/data/zorbil") ||
  fail "the player's folder does not hold the shipped files"
xdotool windowfocus --sync "$id" key --clearmodifiers alt+q
wait "$game" || fail "the game ended with status $?"
game=

# A folder that cannot be made: a message on stderr and in a box, status 1.
touch "$work/file"
XDG_DATA_HOME=$work/file/data "$stage/usr/games/zorbil" 2>"$work/stderr" &
launcher=$!
id=$(timeout 60 xdotool search --sync --onlyvisible --name '^Erreur$' | head -n 1) || fail "no message box"
xdotool windowfocus --sync "$id" key Return
status=0
wait "$launcher" || status=$?
[ "$status" = 1 ] || fail "the launcher ended with status $status"
grep -q "Impossible de préparer le dossier du jeu $work/file/data/zorbil" "$work/stderr" ||
  fail "no message on stderr: $(cat "$work/stderr")"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" -D CPACK_OUTPUT_FILE_PREFIX="$work" >/dev/null
deb=$(ls "$work"/zorbil_*.deb)
diff -u "$expected" <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort) ||
  fail "the package does not hold the expected files"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libsdl2-mixer-2.0-0 qt6-qpa-plugins timgm6mb-soundfont; do
  [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done
echo "installed, started for a player and packaged: $(stat -c %s "$deb") bytes"
