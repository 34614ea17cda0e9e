#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# translations-complete.sh LUPDATE LRELEASE SOURCE_DIR TS_FILE OPTIONS AREAS...:
# reads the marked texts of the sources afresh into a copy of the English
# translation, as the translation tool's update does, and fails unless every
# text has a finished translation.
set -euo pipefail
lupdate=$1 lrelease=$2 source_dir=$3 ts_file=$4 options=$5
shift 5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$ts_file" "$work/en.ts"
# shellcheck disable=SC2086 # the options are words
(cd "$source_dir" && "$lupdate" -I . $options "$@" -ts "$work/en.ts") >"$work/lupdate.log" 2>&1 ||
  { cat "$work/lupdate.log"; exit 1; }
if grep -q 'unknown namespace/class' "$work/lupdate.log"; then
  cat "$work/lupdate.log"
  echo "FAIL: lupdate could not place some texts in their class" >&2
  exit 1
fi
"$lrelease" "$work/en.ts" -qm "$work/en.qm" >"$work/lrelease.log" 2>&1 || { cat "$work/lrelease.log"; exit 1; }
cat "$work/lrelease.log"

report=$(grep -o 'Generated [0-9]* translation(s) ([0-9]* finished and [0-9]* unfinished)' "$work/lrelease.log") ||
  { echo "FAIL: no report from lrelease" >&2; exit 1; }
read -r total finished unfinished <<<"$(echo "$report" | grep -o '[0-9]\+' | tr '\n' ' ')"
ignored=$(grep -o 'Ignored [0-9]* untranslated' "$work/lrelease.log" | grep -o '[0-9]\+' || echo 0)
[ "$total" -gt 0 ] || { echo "FAIL: no marked text found in the sources" >&2; exit 1; }
if [ "$unfinished" -ne 0 ] || [ "$ignored" -ne 0 ]; then
  echo "FAIL: $unfinished unfinished and $ignored untranslated texts; untranslated or changed:" >&2
  grep -B3 'type="unfinished"' "$work/en.ts" | grep '<source>' >&2 || true
  exit 1
fi
echo "$finished of $total texts have a finished English translation"
