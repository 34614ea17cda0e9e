#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-install.sh BUILD EXPECTED_FILES: installs the built game into a
# staging folder as the package does and checks its files, the desktop
# metadata, the licence and the changelog; starts the installed launcher for
# a player with a new folder and for one whose folder cannot be made; builds
# the Debian package and checks that it holds the same files, has the
# ChangeLog's version and finds its dependencies.
set -euo pipefail
build=$1
expected=$2
source=$(cd "$(dirname "$0")/../.." && pwd)
# shellcheck source=tests/support/private-display.sh
source "$(dirname "$0")/../support/private-display.sh"
focus_timeout=60
files() { (cd "$1" && find . -mindepth 1 ! -type d | sed 's|^\./||' | LC_ALL=C sort); }

stage=$work/stage
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
diff -u "$expected" <(files "$stage") || fail "the install does not hold the expected files"
desktop-file-validate "$stage/usr/share/applications/org.zorbil.Zorbil.desktop" || fail "desktop entry"
# The game has no web page yet: appstreamcli 1.0 warns that the homepage is
# missing, and that warning alone may remain.
if ! appstreamcli validate --no-net "$stage/usr/share/metainfo/org.zorbil.Zorbil.metainfo.xml" >"$work/appstream"; then
  [ "$(grep -E '^[EW]: ' "$work/appstream" | sed 's/^\([EW]\): [^ ]*: /\1: /')" = "W: url-homepage-missing" ] ||
    { cat "$work/appstream"; fail "AppStream metadata"; }
fi
for size in 32 48 64 128 256; do
  file "$stage/usr/share/icons/hicolor/${size}x$size/apps/org.zorbil.Zorbil.png" |
    grep -q "PNG image data, $size x $size," || fail "no $size-pixel icon"
done
warnings=$(man --warnings -E UTF-8 -l "$stage/usr/share/man/man6/zorbil.6.gz" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "manual page: $warnings"
# The licence in the machine-readable copyright file and in the AppStream
# data; the ChangeLog as the package's changelog, as the newest release and
# as the manual page's version.
doc=$stage/usr/share/doc/zorbil
[ "$(head -n 1 "$doc/copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] &&
  grep -qx "Files: \*" "$doc/copyright" && grep -qx "License: GPL-3+" "$doc/copyright" ||
  fail "the copyright file is not machine-readable with the GPL-3+ licence for every file"
gzip -dc "$doc/changelog.gz" | cmp -s - "$source/ChangeLog" || fail "changelog.gz is not the ChangeLog"
metainfo=$stage/usr/share/metainfo/org.zorbil.Zorbil.metainfo.xml
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" || fail "no project licence in the AppStream data"
version=$(dpkg-parsechangelog --file "$source/ChangeLog" --show-field Version)
[ "$(grep -o -m 1 '<release version="[^"]*"' "$metainfo")" = "<release version=\"$version\"" ] ||
  fail "the newest AppStream release is not the ChangeLog's $version"
gzip -dc "$stage/usr/share/man/man6/zorbil.6.gz" | grep -x "\.TH ZORBIL 6 [0-9-]* \"Zorbil $version\" \"Games\"" >/dev/null ||
  fail "the manual page is not of version $version"

start_xvfb
headless_game

# A player's first start: the game runs in a folder of their own that holds
# the shipped files.
(cd / && XDG_DATA_HOME=$work/data exec "$stage/usr/games/zorbil") &
game=$!
track $game
focus "Zorbil - Configuration" "the installed launcher did not start the game"
[ "$(readlink "/proc/$game/cwd")" = "$work/data/zorbil" ] || fail "the game does not run in the player's folder"
# Beside them, the texture log the game starts there: the program's own
# folder is not the player's to write.
diff -u <(files "$stage/usr/share/games/zorbil") <(files "$work/data/zorbil" | grep -vx log.txt) ||
  fail "the player's folder does not hold the shipped files"
[ -s "$work/data/zorbil/log.txt" ] || fail "no texture log in the player's folder"
[ -e "$stage/usr/lib/games/zorbil/log.txt" ] && fail "a texture log beside the installed program"
# In the menu, its music is decoded by the decoder installed beside the
# program, and by no other.
keys alt+o
focus "Zorbil"
decoder=
for _ in $(seq 100); do
  decoder=$(pgrep -P $game -x zorbil-decoder | head -n 1)
  [ -n "$decoder" ] && break
  sleep 0.1
done
[ -n "$decoder" ] && [ "$(readlink "/proc/$decoder/exe")" = "$stage/usr/lib/games/zorbil/zorbil-decoder" ] ||
  fail "the installed game does not decode its menu music with the installed decoder"
keys alt+q
ends $game "the game is still running after \"&Quitter Zorbil\""
[ "$status" -eq 0 ] || fail "the game ended with status $status"

# A folder that cannot be made: a message on stderr and in a box, status 1.
touch "$work/file"
XDG_DATA_HOME=$work/file/data "$stage/usr/games/zorbil" 2>"$work/stderr" &
launcher=$!
track $launcher
focus Erreur "no message box"
xdotool key Return
ends $launcher "the launcher is still running after its message"
[ "$status" = 1 ] || fail "the launcher ended with status $status"
grep -q "Impossible de préparer le dossier du jeu $work/file/data/zorbil" "$work/stderr" ||
  fail "no message on stderr: $(cat "$work/stderr")"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" -D CPACK_OUTPUT_FILE_PREFIX="$work" >/dev/null
deb=$(ls "$work"/zorbil_*.deb)
diff -u "$expected" <(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort) ||
  fail "the package does not hold the expected files"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not the ChangeLog's $version"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libsdl2-mixer-2.0-0 qt6-qpa-plugins timgm6mb-soundfont; do
  [[ "$depends" == *"$needed"* ]] || fail "the package does not depend on $needed: $depends"
done
# Built here, it installs here: apt finds every dependency already installed.
apt-get install --simulate --no-install-recommends "$deb" >"$work/apt" 2>&1 ||
  { cat "$work/apt"; fail "apt cannot install the package where it was built"; }
[ "$(grep '^Inst ' "$work/apt" | cut -d ' ' -f 2)" = zorbil ] ||
  { cat "$work/apt"; fail "apt would install more than the package where it was built"; }
echo "installed, started for a player and packaged: $(stat -c %s "$deb") bytes"
