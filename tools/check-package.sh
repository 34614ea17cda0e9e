#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-package.sh [bookworm|trixie]: builds the Debian package in a
# brand-new minimal Debian root of that release (bookworm by default) and
# tries it the way a player gets it. That release's lintian checks the
# package; it goes with apt into a second brand-new root of the same
# release (debootstrap, nothing else installed); there a player who is not
# root starts "zorbil" from the installed launcher under Xvfb, confirms the
# dialog, plays a game to its end by keyboard and quits; the player's game
# folder and texture log are checked; the release's hardening-check checks
# the installed programs, the licence files are checked; removing the
# package must leave the player's folder.
# Runs as root (debootstrap, chroot, mounts); takes 15 minutes or more.
# Environment: as tools/debian-root.sh; SOURCE_DATE_EPOCH as for zorbil.sh
# (the commit's time by default).
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "$0: needs root (debootstrap, chroot, mounts)" >&2; exit 1; }
release=${1:-bookworm}
# shellcheck source=tests/support/private-display.sh
source tests/support/private-display.sh
# shellcheck source=tools/debian-root.sh
source tools/debian-root.sh
debian_release_ok "$release" || { echo "usage: $0 [bookworm|trixie]" >&2; exit 2; }
focus_timeout=60
files() { (cd "$1" && find . -mindepth 1 ! -type d | sed 's|^\./||' | LC_ALL=C sort); }

new_root build "$release"
source_tree "$build"
echo "== ./zorbil.sh package on $(git rev-parse --short HEAD) in $build"
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
in_root "$build" SOURCE_DATE_EPOCH="$epoch" /root/zorbil/zorbil.sh package >"$work/build.log" 2>&1 ||
  { tail -n 30 "$work/build.log"; fail "the package build on $release"; }
# The compiler's and the linker's, not those of the packages' scripts.
warning=':[0-9]+:[0-9]+: warning:|^(/usr/bin/)?(ld(\.[a-z]+)?|cc1(plus)?|[gc]\+\+|gcc|clang(\+\+)?(-[0-9]+)?): warning:'
echo "   compiler warnings: $(grep -cE "$warning" "$work/build.log" || true)"
grep -E "$warning" "$work/build.log" | sed 's/^/   /' || true
deb=$(ls -t "$build"/root/zorbil/build/packages/zorbil_*.deb | head -n 1)
kept=${ZORBIL_BUILD_DIR:-$(pwd)/build}/packages/$release
mkdir -p "$kept"
cp "$deb" "$kept/"
echo "   kept in $kept"

echo "== lintian --pedantic $(basename "$deb") ($(in_root "$build" dpkg-query -W -f '${Version}' lintian))"
in_root "$build" lintian --pedantic --display-info --display-experimental --show-overrides \
  "/root/zorbil/build/packages/$(basename "$deb")" >"$work/lintian" 2>&1 || true
sed 's/^/   /' "$work/lintian"
# Only the placeholder maintainer address may remain, until the project has a real one.
grep -E '^[EW]: ' "$work/lintian" | grep -Ev '^E: zorbil: bogus-mail-host(-in-debian-changelog)? .*zorbil@localhost' &&
  fail "lintian reports errors or warnings above"
grep -q '^E: zorbil: bogus-mail-host Maintainer zorbil@localhost' "$work/lintian" || fail "lintian did not run: $(cat "$work/lintian")"

new_root root "$release"
echo "== apt install $(basename "$deb") ($(stat -c %s "$deb") bytes)"
cp "$deb" "$root/tmp/zorbil.deb"
before=$(in_root "$root" dpkg-query -W -f '.\n' | wc -l)
in_root "$root" apt-get install -y -q --no-install-recommends /tmp/zorbil.deb >"$root/tmp/apt.log" 2>&1 ||
  { tail -n 30 "$root/tmp/apt.log"; fail "apt could not install the package"; }
after=$(in_root "$root" dpkg-query -W -f '.\n' | wc -l)
echo "   $((after - before)) packages installed with it; Installed-Size $(in_root "$root" dpkg-query -W -f '${Installed-Size}' zorbil) KiB"

in_root "$root" useradd --create-home --shell /bin/bash player
uid=$(in_root "$root" id -u player)
gid=$(in_root "$root" id -g player)
home=$root/home/player
folder=$home/.local/share/zorbil

start_xvfb --visible-in "$root"

echo "== the player starts zorbil on $DISPLAY"
(umask 022 && exec chroot --userspec="$uid:$gid" "$root" env -i HOME=/home/player USER=player LOGNAME=player \
  PATH=/usr/local/bin:/usr/bin:/bin:/usr/games LANG=C.UTF-8 DISPLAY="$DISPLAY" SDL_AUDIODRIVER=dummy \
  zorbil) >"$root/tmp/game.log" 2>&1 &
game=$!
track $game
fail_log=$root/tmp/game.log
focus "Zorbil - Configuration"
keys alt+o
focus "Zorbil"
sleep 1
# Options: the first background picture, back to the menu; play: the snake
# runs straight into the right-hand wall.
keys alt+o Tab Tab space alt+c alt+j
sleep 8
# Game over, the scores, the main menu, then quit.
keys alt+c alt+c alt+q
ends $game "the game is still running after \"&Quitter Zorbil\""
[ "$status" -eq 0 ] || fail "the game ended with status $status"
fail_log=

echo "== the player's folder"
[ "$(stat -c %u "$folder")" = "$uid" ] || fail "the game folder does not belong to the player"
# The texture log of the game just played: in the player's folder, never
# beside the installed program.
[ "$(stat -c %u "$folder/Data/Log.txt")" = "$uid" ] || fail "no texture log of the player's in Data/Log.txt"
grep -q "Texture Loaded into memory" "$folder/Data/Log.txt" || fail "Data/Log.txt holds: $(cat "$folder/Data/Log.txt")"
find "$root/usr/lib/games/zorbil" -iname log.txt | grep . && fail "a texture log beside the installed program"
comm -23 <(files "$root/usr/share/games/zorbil") <(files "$folder") | grep . && fail "shipped files missing above"
config=$(tr -d '\r' <"$folder/Data/Config.dat")
[ "$config" = "$(printf '[Config]\nMixRate=22050\nQuality=16\nInterp=1\nSonAct=1\nDrv=2\nMixer=11\nAff=1\n[Options]\nSpeed=5\nSonAct=1\nMusAct=1')" ] ||
  fail "Data/Config.dat holds: $config"
# Only leaving the scores panel writes the best score, and only a game over
# led there: the game was played to its end.
[ "$(stat -c %s "$folder/Data/Scores.dat")" -eq 4 ] || fail "Data/Scores.dat is not 4 bytes"
[ -e "$folder/Data/Temp.dat" ] && fail "Data/Temp.dat was left behind"
(cd "$home" && find .local/share/zorbil -type f -printf '   %p\t%M uid %U, %s bytes\n' | LC_ALL=C sort)

echo "== the installed package: hardening and licence"
hardened=0
mkdir -p "$build/tmp/installed"
cp "$root/usr/lib/games/zorbil/zorbil" "$build/tmp/installed/zorbil"
cp "$root/usr/lib/games/zorbil/zorbil-decoder" "$build/tmp/installed/decoder"
cp "$root/usr/games/zorbil" "$build/tmp/installed/launcher"
checks=()
# Branch protection is arm64's: on amd64, -fcf-protection is its counterpart, checked as control flow.
if [ "$(in_root "$build" dpkg --print-architecture)" = amd64 ] &&
  [[ "$(in_root "$build" hardening-check --help 2>&1)" == *--nobranchprotection* ]]; then
  checks+=(--nobranchprotection)
fi
echo "   hardening-check${checks[*]:+ ${checks[*]}} (devscripts $(in_root "$build" dpkg-query -W -f '${Version}' devscripts)):" \
  "/tmp/installed/zorbil is /usr/lib/games/zorbil/zorbil, /tmp/installed/decoder" \
  "/usr/lib/games/zorbil/zorbil-decoder, /tmp/installed/launcher /usr/games/zorbil"
in_root "$build" hardening-check "${checks[@]}" /tmp/installed/zorbil /tmp/installed/decoder /tmp/installed/launcher \
  >"$work/hardening" ||
  hardened=$?
sed "s/^/   /" "$work/hardening"
[ "$hardened" -eq 0 ] || fail "hardening-check finds a protection missing above"
cmp -s COPYING "$root/usr/share/common-licenses/GPL-3" || fail "COPYING is not Debian's GPL-3 text"
grep -qx "License: GPL-3+" "$root/usr/share/doc/zorbil/copyright" || fail "no GPL-3+ licence in the copyright file"
[ -s "$root/usr/share/doc/zorbil/changelog.gz" ] || fail "no changelog in the package"

echo "== apt purge zorbil"
in_root "$root" apt-get purge -y -q zorbil >/dev/null
[ -e "$root/usr/games/zorbil" ] && fail "the launcher is still installed"
[ -s "$folder/Data/Config.dat" ] && [ -s "$folder/Textures/Bois.pcx" ] || fail "removing the package touched the player's folder"
echo "PASS: built in a fresh $release, installed into another, played a game as a player, removed; the player's folder stays"
echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes"
