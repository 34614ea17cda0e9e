#!/bin/bash
# Installs every Debian 12 package Zorbil needs to build, run and test.
# Idempotent: does nothing when all packages are present. Works as root or
# through sudo.
set -euo pipefail

PACKAGES=(
  # build
  g++ make cmake pkg-config clang libclang-rt-14-dev llvm
  qt6-base-dev libgl-dev libglu1-mesa-dev freeglut3-dev
  libsdl2-mixer-dev libsdl2-image-dev libvorbis-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # run
  qt6-qpa-plugins libgl1-mesa-dri libglx-mesa0 timgm6mb-soundfont
  fonts-liberation2 fonts-dejavu-core
  # tests
  xvfb xauth x11-utils xdotool
)

missing=()
for p in "${PACKAGES[@]}"; do
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
