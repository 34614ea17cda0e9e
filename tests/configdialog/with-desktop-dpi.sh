#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# with-desktop-dpi.sh DPI COMMAND...: runs COMMAND on a private X server set
# up as a desktop at DPI dots per inch: the screen's size says so (-dpi) and
# so does the font resolution that desktops publish (Xft.dpi), which is what
# Qt reads. -noreset keeps that setting when the last client disconnects.
set -euo pipefail
dpi=$1
shift
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi "$dpi" -nolisten tcp -noreset 3>"$dir/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; wait $xvfb 2>/dev/null || true; rm -rf "$dir"' EXIT
for _ in $(seq 100); do
  [ -s "$dir/display" ] && break
  sleep 0.1
done
export DISPLAY=":$(head -n 1 "$dir/display")"
xprop -root -f RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	$dpi"
"$@"
