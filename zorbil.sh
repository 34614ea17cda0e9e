#!/bin/bash
# Zorbil's two entry points:
#   ./zorbil.sh play   installs what is missing, builds, starts the game
#   ./zorbil.sh test   installs what is missing, builds, runs every test
# Extra arguments after "test" go to ctest (e.g. -R rules).
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
BUILD=${ZORBIL_BUILD_DIR:-$ROOT/build}
JOBS=$(nproc)

usage() { echo "usage: $0 play|test [ctest arguments]" >&2; exit 2; }
[ $# -ge 1 ] || usage
mode=$1; shift

"$ROOT/tools/install-deps.sh"

cmake -S "$ROOT" -B "$BUILD" ${ZORBIL_CMAKE_ARGS:-}
cmake --build "$BUILD" -j "$JOBS"

case "$mode" in
  play)
    cd "$BUILD/Zorbil"
    exec ./zorbil
    ;;
  test)
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
