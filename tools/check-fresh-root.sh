#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check-fresh-root.sh [bookworm|trixie]: runs the README's test command,
# .ci/run, on the commit HEAD in a brand-new minimal Debian root of that
# release (bookworm by default), as a newcomer would on a fresh machine: it
# installs what it needs, builds everything and runs every test. Prints the
# compiler's warnings, the test summary and the wall time; the whole output
# is kept in /var/tmp/zorbil-fresh-root-RELEASE.log.
# Runs as root (debootstrap, chroot, mounts); takes 20 minutes or more.
# Environment: as tools/debian-root.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "$0: needs root (debootstrap, chroot, mounts)" >&2; exit 1; }
release=${1:-bookworm}
# shellcheck source=tests/support/private-display.sh
source tests/support/private-display.sh
# shellcheck source=tools/debian-root.sh
source tools/debian-root.sh
debian_release_ok "$release" || { echo "usage: $0 [bookworm|trixie]" >&2; exit 2; }
log=/var/tmp/zorbil-fresh-root-$release.log

new_root root "$release"
source_tree "$root"
echo "== .ci/run on $(git rev-parse --short HEAD) in $root (output in $log)"
start=$(date +%s)
status=0
in_root "$root" /root/zorbil/.ci/run >"$log" 2>&1 || status=$?
seconds=$(($(date +%s) - start))

# The compiler's and the linker's, not those of the packages' scripts.
warning=':[0-9]+:[0-9]+: warning:|^(/usr/bin/)?(ld(\.[a-z]+)?|cc1(plus)?|[gc]\+\+|gcc|clang(\+\+)?(-[0-9]+)?): warning:'
warnings=$(grep -cE "$warning" "$log" || true)
echo "   compiler warnings: $warnings"
grep -E "$warning" "$log" | sed 's/^/   /' || true
grep -E '^[0-9]+% tests passed|^Total Test time|^The following tests FAILED|^[[:space:]]+[0-9]+ - .*\((Failed|Timeout|SEGFAULT|Subprocess)' "$log" |
  sed 's/^/   /' || true
echo "   wall time: $((seconds / 60)) min $((seconds % 60)) s"
[ "$status" -eq 0 ] || { tail -n 30 "$log"; fail ".ci/run ended with status $status on a fresh $release"; }
[ "$warnings" -eq 0 ] || fail "the build on $release has compiler warnings"
echo "PASS: .ci/run on a fresh $release"
