#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# score-text-dpi.sh PROBE: the score text at 96 and at 192 dots per inch.
# At 192 it must be about twice as tall in device pixels, so it keeps its
# size against the picture, and its dark copy must stay within 2 device
# pixels of it.
set -euo pipefail
probe=$1
here=$(dirname "$0")
dpi_script=$here/../configdialog/with-desktop-dpi.sh
read -r _ r96 _ h96 _ x96 y96 < <("$dpi_script" 96 "$probe")
read -r _ r192 _ h192 _ x192 y192 < <("$dpi_script" 192 "$probe")
echo "96 dpi: ratio $r96, text $h96 px, shadow $x96,$y96; 192 dpi: ratio $r192, text $h192 px, shadow $x192,$y192"
fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$r96" = 1 ] && [ "$r192" = 2 ] || fail "Qt did not take the desktop's dpi"
[ $((h192 * 10)) -ge $((h96 * 18)) ] && [ $((h192 * 10)) -le $((h96 * 22)) ] || fail "text $h192 px at 192 dpi for $h96 at 96"
for d in "$x96" "$y96" "$x192" "$y192"; do
  [ "$d" -ge 1 ] && [ "$d" -le 2 ] || fail "the dark copy lies $d device pixels away"
done
