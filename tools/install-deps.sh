#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 or Debian 13 packages of the named groups (all
# groups when none is named):
#   play     build and run the game
#   test     tests, benchmarks and fuzzers, on top of "play"
#   package  build the Debian package, check it (lintian, hardening-check)
#            and try it in a fresh Debian root
# Idempotent: does nothing when all packages are present. Works as root or
# through sudo.
set -euo pipefail

# The one name the two releases do not share: Liberation Sans 2 is
# fonts-liberation2 on Debian 12 and fonts-liberation on Debian 13, where
# fonts-liberation2 is only a transitional package (Debian 12's
# fonts-liberation is the older version 1).
# shellcheck source=/dev/null
. /etc/os-release
case "${VERSION_CODENAME:-}" in
  bookworm) LIBERATION_FONTS=fonts-liberation2 ;;
  *) LIBERATION_FONTS=fonts-liberation ;;
esac

PLAY_PACKAGES=(
  g++ make cmake pkgconf dpkg-dev
  qt6-base-dev qt6-base-private-dev qt6-tools-dev qt6-l10n-tools
  libgl-dev libglu1-mesa-dev libglut-dev
  libwayland-dev libsdl2-mixer-dev libfluidsynth-dev libvorbis-dev libseccomp-dev
  qt6-qpa-plugins qt6-wayland libgl1-mesa-dri libglx-mesa0 timgm6mb-soundfont
  "$LIBERATION_FONTS" fonts-dejavu-core
)

TEST_PACKAGES=(
  clang libclang-rt-dev llvm
  libsdl2-image-dev libgtest-dev libgmock-dev libbenchmark-dev
  libxcb1-dev libxtst-dev
  xvfb xauth x11-utils xdotool openbox weston xwayland imagemagick
  desktop-file-utils appstream man-db file
  pulseaudio pulseaudio-utils sox tesseract-ocr tesseract-ocr-eng
)

PACKAGE_PACKAGES=(
  file debootstrap xvfb xauth xdotool lintian devscripts
)

[ $# -gt 0 ] || set -- play test package
wanted=()
for group in "$@"; do
  case "$group" in
    play) wanted+=("${PLAY_PACKAGES[@]}") ;;
    test) wanted+=("${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}") ;;
    package) wanted+=("${PLAY_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}") ;;
    *) echo "usage: $0 [play] [test] [package]" >&2; exit 2 ;;
  esac
done

missing=()
for p in $(printf '%s\n' "${wanted[@]}" | sort -u); do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
elif command -v sudo >/dev/null 2>&1; then
  SUDO=(sudo)
else
  echo "Missing packages and neither root nor sudo: ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends "${missing[@]}"
