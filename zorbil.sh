#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Zorbil's entry points:
#   ./zorbil.sh play      installs what the game needs, builds it, starts it
#   ./zorbil.sh test      installs what is missing, builds, runs every test
#   ./zorbil.sh package   builds the Debian package into build/packages/
# Extra arguments after "test" go to ctest (e.g. -R rules). "package" takes
# SOURCE_DATE_EPOCH from the environment when it is set there.
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
BUILD=${ZORBIL_BUILD_DIR:-$ROOT/build}
JOBS=$(nproc)

usage() { echo "usage: $0 play|test|package [ctest arguments]" >&2; exit 2; }
[ $# -ge 1 ] || usage
mode=$1; shift

# A first build for playing or packaging leaves the tests out, so it needs
# neither their packages nor their build time; "test" turns them on.
configure() {
  local tests=()
  if [ "$mode" = test ]; then
    tests=(-DZORBIL_TESTS=ON)
  elif [ ! -f "$BUILD/CMakeCache.txt" ]; then
    tests=(-DZORBIL_TESTS=OFF)
  fi
  # shellcheck disable=SC2086
  cmake -S "$ROOT" -B "$BUILD" "${tests[@]}" "$@" ${ZORBIL_CMAKE_ARGS:-}
}

# A distribution build: Debian's hardening flags, plus the stack clash and
# control-flow protections that later Debian releases add by default, then
# any CPPFLAGS, CFLAGS, CXXFLAGS and LDFLAGS of the environment. Debian 12's
# C start files carry no control-flow note, so the linker would drop the one
# all our own code has: -z ibt and -z shstk keep it. Given on the command
# line, the flags also reach a build folder configured before.
# Time stamps come from the commit (or the ChangeLog in a tree without git).
distribution_flags() {
  export DEB_BUILD_MAINT_OPTIONS=hardening=+all
  local protect="-fstack-clash-protection -fcf-protection" cppflags ldflags
  cppflags="$(dpkg-buildflags --get CPPFLAGS) ${CPPFLAGS:-}"
  ldflags="$(dpkg-buildflags --get LDFLAGS) ${LDFLAGS:-}"
  flags=(
    "-DCMAKE_C_FLAGS=$(dpkg-buildflags --get CFLAGS) $protect ${CFLAGS:-} $cppflags"
    "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CXXFLAGS) $protect ${CXXFLAGS:-} $cppflags"
    "-DCMAKE_EXE_LINKER_FLAGS=$ldflags -Wl,-z,ibt,-z,shstk"
    "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags"
  )
  if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null) ||
      SOURCE_DATE_EPOCH=$(dpkg-parsechangelog --file "$ROOT/ChangeLog" --show-field Timestamp)
  fi
  export SOURCE_DATE_EPOCH
}

case "$mode" in
  play)
    "$ROOT/tools/install-deps.sh" play
    configure
    cmake --build "$BUILD" -j "$JOBS" --target zorbil_game
    cd "$BUILD/Zorbil"
    exec ./zorbil
    ;;
  package)
    "$ROOT/tools/install-deps.sh" package
    distribution_flags
    configure "${flags[@]}"
    cmake --build "$BUILD" -j "$JOBS"
    cd "$BUILD"
    cpack -G DEB
    ;;
  test)
    "$ROOT/tools/install-deps.sh" test
    configure
    cmake --build "$BUILD" -j "$JOBS"
    # One private X server for every test that opens a window.
    display=""
    for n in $(seq 90 190); do
      if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=$n; break; fi
    done
    [ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null || true' EXIT
    for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
    export DISPLAY=":$display"
    cd "$BUILD"
    ctest --output-on-failure -j "$JOBS" "$@"
    ;;
  *) usage ;;
esac
