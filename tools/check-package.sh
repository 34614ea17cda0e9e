#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-package.sh: builds the Debian package and tries it the way a player
# gets it. The package goes with apt into a brand-new minimal Debian 12 root
# (debootstrap, nothing else installed); there a player who is not root
# starts "zorbil" from the installed launcher under Xvfb, confirms the
# dialog, plays a game to its end by keyboard and quits; the player's game
# folder and texture log are checked; lintian and hardening-check check the
# package and its installed programs, the licence files are checked;
# removing the package must leave the player's folder.
# Runs as root (debootstrap, chroot, mounts); takes several minutes.
#   ZORBIL_BUILD_DIR           build folder (as for zorbil.sh)
#   ZORBIL_DEBOOTSTRAP_CACHE   a folder that keeps the downloaded packages between runs
#   ZORBIL_MIRROR              the Debian mirror (default http://deb.debian.org/debian)
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "$0: needs root (debootstrap, chroot, mounts)" >&2; exit 1; }
BUILD=${ZORBIL_BUILD_DIR:-$(pwd)/build}
MIRROR=${ZORBIL_MIRROR:-http://deb.debian.org/debian}
# shellcheck source=tests/support/private-display.sh
source tests/support/private-display.sh
focus_timeout=60

./zorbil.sh package
deb=$(ls -t "$BUILD"/packages/zorbil_*.deb | head -n 1)

echo "== lintian --pedantic $(basename "$deb")"
lintian --pedantic --display-info --display-experimental --show-overrides "$deb" >"$work/lintian" 2>&1 || true
sed 's/^/   /' "$work/lintian"
# Only the placeholder maintainer address may remain, until the project has a real one.
grep -E '^[EW]: ' "$work/lintian" | grep -Ev '^E: zorbil: bogus-mail-host(-in-debian-changelog)? .*zorbil@localhost' &&
  fail "lintian reports errors or warnings above"
grep -q '^E: zorbil: bogus-mail-host Maintainer zorbil@localhost' "$work/lintian" || fail "lintian did not run: $(cat "$work/lintian")"

root=$(mktemp -d /var/tmp/zorbil-debian.XXXXXX)
chmod 755 "$root"
mounts=()
remove_root() {
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" || true
  done
  # Never delete through a mount that is still there: it would reach the host.
  if grep -q " $root/" /proc/mounts; then
    echo "left $root in place: something is still mounted in it" >&2
  else
    rm -rf "$root"
  fi
}
at_exit remove_root
bind() {
  mkdir -p "$root$2"
  mount "${@:3}" "$1" "$root$2"
  mounts+=("$root$2")
}
files() { (cd "$1" && find . -mindepth 1 ! -type d | sed 's|^\./||' | LC_ALL=C sort); }
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin DEBIAN_FRONTEND=noninteractive "$@"; }

echo "== debootstrap bookworm (minbase) into $root"
cache=()
if [ -n "${ZORBIL_DEBOOTSTRAP_CACHE:-}" ]; then
  mkdir -p "$ZORBIL_DEBOOTSTRAP_CACHE"
  cache=(--cache-dir="$(realpath "$ZORBIL_DEBOOTSTRAP_CACHE")")
fi
debootstrap --variant=minbase "${cache[@]}" bookworm "$root" "$MIRROR" >"$root.log" 2>&1 ||
  { tail -n 20 "$root.log"; fail "debootstrap"; }
rm -f "$root.log"

bind proc /proc -t proc
bind sysfs /sys -t sysfs
bind /dev /dev --bind
bind devpts /dev/pts -t devpts
bind /tmp/.X11-unix /tmp/.X11-unix --bind
cp /etc/resolv.conf "$root/etc/resolv.conf"
cat >"$root/etc/apt/sources.list" <<EOF
deb $MIRROR bookworm main
deb $MIRROR bookworm-updates main
deb http://deb.debian.org/debian-security bookworm-security main
EOF
# Nothing the package pulls in may start a service inside this root.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"

echo "== apt install $(basename "$deb") ($(stat -c %s "$deb") bytes)"
cp "$deb" "$root/tmp/zorbil.deb"
in_root apt-get update -q >/dev/null
before=$(in_root dpkg-query -W -f '.\n' | wc -l)
in_root apt-get install -y -q --no-install-recommends /tmp/zorbil.deb >"$root/tmp/apt.log" 2>&1 ||
  { tail -n 30 "$root/tmp/apt.log"; fail "apt could not install the package"; }
after=$(in_root dpkg-query -W -f '.\n' | wc -l)
echo "   $((after - before)) packages installed with it; Installed-Size $(in_root dpkg-query -W -f '${Installed-Size}' zorbil) KiB"

in_root useradd --create-home --shell /bin/bash player
uid=$(in_root id -u player)
gid=$(in_root id -g player)
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
hardening-check "$root/usr/lib/games/zorbil/zorbil" "$root/usr/games/zorbil" >"$work/hardening" || hardened=$?
sed "s|$root||; s/^/   /" "$work/hardening"
[ "$hardened" -eq 0 ] || fail "hardening-check finds a protection missing above"
cmp -s COPYING "$root/usr/share/common-licenses/GPL-3" || fail "COPYING is not Debian's GPL-3 text"
grep -qx "License: GPL-3+" "$root/usr/share/doc/zorbil/copyright" || fail "no GPL-3+ licence in the copyright file"
[ -s "$root/usr/share/doc/zorbil/changelog.gz" ] || fail "no changelog in the package"

echo "== apt purge zorbil"
in_root apt-get purge -y -q zorbil >/dev/null
[ -e "$root/usr/games/zorbil" ] && fail "the launcher is still installed"
[ -s "$folder/Data/Config.dat" ] && [ -s "$folder/Textures/Bois.pcx" ] || fail "removing the package touched the player's folder"
echo "PASS: installed into a fresh Debian 12, played a game as a player, removed; the player's folder stays"
echo "package $(basename "$deb"): $(stat -c %s "$deb") bytes"
