#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# translations-check.sh LUPDATE LRELEASE SOURCE_DIR OPTIONS LANGUAGES AWAITED
#   CHECK_PROGRAM WITH_DPI AREAS...:
# the one check of every translation. Each language of LANGUAGES has its
# translation and its notes, unless AWAITED still lists it (said, never
# silently). Each translation present has every text of the sources
# finished: the marked texts are read afresh into a copy, as the translation
# tool's update does, and the tool counts them. Then CHECK_PROGRAM measures
# them in the windows on desktops of 96 and 192 dpi (WITH_DPI runs it there).
set -euo pipefail
lupdate=$1 lrelease=$2 source_dir=$3 options=$4 languages=$5 awaited=$6 check=$7 with_dpi=$8
shift 8
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0

present=()
for language in $languages; do
  ts=$source_dir/translations/zorbil_$language.ts
  notes=$source_dir/assets/Zorbil.$language.txt
  missing=()
  [ -f "$ts" ] || missing+=("translations/zorbil_$language.ts")
  [ -f "$notes" ] || missing+=("assets/Zorbil.$language.txt")
  if [ ${#missing[@]} -ne 0 ]; then
    if [[ " $awaited " == *" $language "* ]]; then
      echo "AWAITED: $language has no ${missing[*]} yet (cmake/ZorbilLanguages.cmake)"
    else
      echo "FAIL: $language has no ${missing[*]}" >&2
      failed=1
    fi
  fi
  [ -f "$ts" ] && present+=("$ts")
done
for ts in "$source_dir"/translations/zorbil_*.ts; do
  language=$(basename "$ts" .ts)
  language=${language#zorbil_}
  [[ " $languages " == *" $language "* ]] ||
    { echo "FAIL: $ts is no language of cmake/ZorbilLanguages.cmake" >&2; failed=1; }
done

for ts in "${present[@]}"; do
  name=$(basename "$ts")
  cp "$ts" "$work/$name"
  # shellcheck disable=SC2086 # the options are words
  (cd "$source_dir" && "$lupdate" -I . $options "$@" -ts "$work/$name") >"$work/lupdate.log" 2>&1 ||
    { cat "$work/lupdate.log"; exit 1; }
  if grep -q 'unknown namespace/class' "$work/lupdate.log"; then
    cat "$work/lupdate.log"
    echo "FAIL: lupdate could not place some texts in their class" >&2
    exit 1
  fi
  "$lrelease" "$work/$name" -qm "$work/check.qm" >"$work/lrelease.log" 2>&1 || { cat "$work/lrelease.log"; exit 1; }
  report=$(grep -o 'Generated [0-9]* translation(s) ([0-9]* finished and [0-9]* unfinished)' "$work/lrelease.log") ||
    { echo "FAIL: no report from lrelease for $name" >&2; exit 1; }
  read -r total finished unfinished <<<"$(echo "$report" | grep -o '[0-9]\+' | tr '\n' ' ')"
  ignored=$(grep -o 'Ignored [0-9]* untranslated' "$work/lrelease.log" | grep -o '[0-9]\+' || echo 0)
  [ "$total" -gt 0 ] || { echo "FAIL: no marked text found in the sources" >&2; exit 1; }
  if [ "$unfinished" -ne 0 ] || [ "$ignored" -ne 0 ]; then
    echo "FAIL: $name: $unfinished unfinished and $ignored untranslated texts; untranslated or changed:" >&2
    grep -B3 'type="unfinished"' "$work/$name" | grep '<source>' | sed "s|^ *|$name: |" >&2 || true
    failed=1
  else
    echo "$name: $finished of $total texts translated"
  fi
done

for dpi in 96 192; do
  "$with_dpi" "$dpi" "$check" || failed=1
done
exit $failed
