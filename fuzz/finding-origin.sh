# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# finding_origin FUZZER FINDING: prints "ours" when the fault the input
# causes lies in our own code (instrumented, in the fuzzer binary), "library"
# when it lies in a system library, "hang" when the input only runs out of
# time. Sourced by the fuzz runners.
finding_origin() {
  local report frame
  report=$(timeout -s KILL 120 "$1" -runs=1 -timeout=10 -rss_limit_mb=2048 "$2" 2>&1) || true
  if grep -qE 'ALARM: working on the last Unit|ERROR: libFuzzer: timeout' <<<"$report" ||
     ! grep -qE '^==[0-9]+==ERROR|^SUMMARY|runtime error' <<<"$report"; then
    echo hang
    return
  fi
  # The first frame that is not libFuzzer's, nor the sanitizers' allocator
  # or interceptors.
  frame=$(grep -E '^ *#[0-9]+ 0x' <<<"$report" |
    grep -vE ' in (fuzzer::|__sanitizer|__asan|__lsan|__ubsan|__interceptor_|malloc|calloc|realloc|free|operator new|operator delete)' |
    head -n 1)
  if [ -z "$frame" ] && grep -q 'runtime error' <<<"$report"; then
    echo ours
  elif grep -qE '\((/usr)?/lib/' <<<"$frame"; then
    echo library
  else
    echo ours
  fi
}
