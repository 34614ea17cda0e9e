#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-reproducible.sh [COMMIT]: builds the Debian package of one commit
# (HEAD by default) twice, from two folders of different names, the second
# build starting a minute or more after the first, and compares the two
# .deb files byte for byte.
# check-reproducible.sh A.deb B.deb: compares two packages built elsewhere.
# When they differ, it names each package member, control file and
# installed file that differs, and the listing lines (mode, owner, size,
# time) that differ.
# The compiler cache stays off: a hit from the first build would hide a
# build path the second one leaves in a program.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d /var/tmp/zorbil-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT

# build FOLDER: the commit's tree in FOLDER, packaged there.
build() {
  mkdir -p "$1"
  git archive "$commit" | tar -x -C "$1"
  echo "== building $commit in $1" >&2
  (cd "$1" && ./zorbil.sh package) >"$1.log" 2>&1 ||
    { tail -n 30 "$1.log"; echo "FAIL: the build in $1 failed" >&2; exit 1; }
  ls "$1"/build/packages/zorbil_*.deb
}

# unpack DEB FOLDER: the ar members, each tar member unpacked beside it
# with its listing.
unpack() {
  mkdir -p "$2"
  (cd "$2" && ar x "$1")
  for member in "$2"/*.tar*; do
    mkdir "$member.d"
    tar -xf "$member" -C "$member.d"
    tar --numeric-owner --full-time -tvf "$member" | LC_ALL=C sort -k6 >"$member.list"
  done
}

# compare A.deb B.deb: names what differs; fails when anything does.
compare() {
  if cmp -s "$1" "$2"; then
    echo "PASS: the same $(basename "$1"): $(stat -c %s "$1") bytes, sha256 $(sha256sum <"$1" | cut -d' ' -f1)"
    return 0
  fi
  echo "FAIL: $1 and $2 differ"
  unpack "$(realpath "$1")" "$work/a"
  unpack "$(realpath "$2")" "$work/b"
  for member in $( (ls "$work/a"; ls "$work/b") | grep -v '\.d$\|\.list$' | LC_ALL=C sort -u); do
    cmp -s "$work/a/$member" "$work/b/$member" || echo "differs: member $member"
  done
  for list in "$work"/a/*.list; do
    name=$(basename "$list" .list)
    [ -e "$work/b/$name.list" ] || continue
    { diff "$list" "$work/b/$name.list" || true; } | sed -n "s|^\([<>]\) |   $name listing \1 |p"
    (cd "$work/a/$name.d" && find . ! -type d; cd "$work/b/$name.d" && find . ! -type d) | LC_ALL=C sort -u |
      while read -r file; do
        cmp -s "$work/a/$name.d/$file" "$work/b/$name.d/$file" || echo "differs: $name: ${file#./}"
      done
  done
  return 1
}

if [ $# -eq 2 ]; then
  compare "$1" "$2"
  exit
fi
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH CCACHE_DISABLE=1
started=$(date +%s)
first=$(build "$work/first/zorbil")
wait_for=$((started + 60 - $(date +%s)))
[ "$wait_for" -le 0 ] || sleep "$wait_for"
second=$(build "$work/second-folder/zorbil-source")
echo "two builds of $commit:"
compare "$first" "$second"
