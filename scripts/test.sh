#!/usr/bin/env bash
# Builds Tallimo with its tests and runs the whole suite.
# With --sanitize the suite is built and run under AddressSanitizer and
# UndefinedBehaviorSanitizer instead. LeakSanitizer then overlooks only what
# tests/lsan.supp names: memory that system libraries keep until exit.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=release
[ "${1:-}" = "--sanitize" ] && kind=sanitize
"$root/scripts/deps.sh"
"$root/scripts/build.sh" "$kind"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=\"$root/tests/lsan.supp\":print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$root/build/$kind" --output-on-failure --parallel "$(nproc)"
