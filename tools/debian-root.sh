# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# debian-root.sh: sourced, after tests/support/private-display.sh, by the
# scripts that try the game on a brand-new Debian. Needs root.
#   new_root NAME RELEASE   debootstraps a minimal RELEASE (bookworm or
#                           trixie) into a new folder under /var/tmp, with
#                           the release's main, updates and security
#                           archives, /proc, /sys, /dev and the host's X
#                           sockets mounted (Xvfb started on the host shows
#                           inside); sets NAME to its path. At exit
#                           everything it started is ended, everything under
#                           it unmounted, and only then is it removed.
#   in_root ROOT COMMAND... runs COMMAND as root inside ROOT, with a clean
#                           environment
#   source_tree ROOT        the commit HEAD of this repository, as a clone
#                           has it, in ROOT's /root/zorbil
# Environment:
#   ZORBIL_MIRROR             the Debian mirror (default http://deb.debian.org/debian)
#   ZORBIL_DEBOOTSTRAP_CACHE  a folder keeping debootstrap's downloads between runs
#   ZORBIL_APT_CACHE          a folder keeping apt's downloads between runs
# Each cache keeps one sub-folder per release; apt locks its own, so two
# runs at once need two apt caches.

debian_roots=()
debian_mounts=()

debian_release_ok() {
  case "$1" in
    bookworm | trixie) return 0 ;;
    *) return 1 ;;
  esac
}

remove_roots() {
  local root pid i
  for root in "${debian_roots[@]}"; do
    # Servers a test left running inside hold its mounts.
    for pid in $(ls /proc | grep -E '^[0-9]+$'); do
      [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$root" ] && kill -9 "$pid" 2>/dev/null
    done
  done
  for ((i = ${#debian_mounts[@]} - 1; i >= 0; i--)); do
    umount "${debian_mounts[i]}" 2>/dev/null || umount -l "${debian_mounts[i]}" || true
  done
  for root in "${debian_roots[@]}"; do
    # Never delete through a mount that is still there: it would reach the
    # host, or the caches.
    if awk -v r="$root" '$2 == r || index($2, r "/") == 1 { found = 1 } END { exit !found }' /proc/mounts; then
      echo "left $root in place: something is still mounted in it" >&2
    else
      rm -rf "$root"
    fi
  done
}
at_exit remove_roots

root_mount() {
  mkdir -p "$1$3"
  mount "${@:4}" "$2" "$1$3"
  debian_mounts+=("$1$3")
}

in_root() {
  local root=$1
  shift
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}

source_tree() {
  mkdir -p "$1/root/zorbil"
  git -C "$(dirname "${BASH_SOURCE[0]}")/.." archive HEAD | tar -x -C "$1/root/zorbil"
}

new_root() {
  local new_root_dir release=$2 mirror=${ZORBIL_MIRROR:-http://deb.debian.org/debian} cache=()
  debian_release_ok "$release" || fail "no Debian release \"$release\": bookworm or trixie"
  new_root_dir=$(mktemp -d "/var/tmp/zorbil-$release.XXXXXX")
  chmod 755 "$new_root_dir"
  debian_roots+=("$new_root_dir")
  printf -v "$1" %s "$new_root_dir"

  echo "== debootstrap $release (minbase) into $new_root_dir"
  if [ -n "${ZORBIL_DEBOOTSTRAP_CACHE:-}" ]; then
    mkdir -p "$ZORBIL_DEBOOTSTRAP_CACHE/$release"
    cache=(--cache-dir="$(realpath "$ZORBIL_DEBOOTSTRAP_CACHE/$release")")
  fi
  debootstrap --variant=minbase "${cache[@]}" "$release" "$new_root_dir" "$mirror" >"$work/debootstrap.log" 2>&1 ||
    { tail -n 20 "$work/debootstrap.log"; fail "debootstrap $release"; }

  root_mount "$new_root_dir" proc /proc -t proc
  root_mount "$new_root_dir" sysfs /sys -t sysfs
  root_mount "$new_root_dir" /dev /dev --bind
  root_mount "$new_root_dir" devpts /dev/pts -t devpts
  root_mount "$new_root_dir" /tmp/.X11-unix /tmp/.X11-unix --bind
  if [ -n "${ZORBIL_APT_CACHE:-}" ]; then
    mkdir -p "$ZORBIL_APT_CACHE/$release"
    root_mount "$new_root_dir" "$(realpath "$ZORBIL_APT_CACHE/$release")" /var/cache/apt/archives --bind
  fi
  cp /etc/resolv.conf "$new_root_dir/etc/resolv.conf"
  cat >"$new_root_dir/etc/apt/sources.list" <<EOF
deb $mirror $release main
deb $mirror $release-updates main
deb http://deb.debian.org/debian-security $release-security main
EOF
  # Nothing installed there may start a service.
  printf '#!/bin/sh\nexit 101\n' >"$new_root_dir/usr/sbin/policy-rc.d"
  chmod +x "$new_root_dir/usr/sbin/policy-rc.d"
  in_root "$new_root_dir" apt-get update -q >/dev/null || fail "apt-get update in the $release root"
}
