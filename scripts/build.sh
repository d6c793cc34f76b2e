#!/usr/bin/env bash
# Configures and builds into build/<kind> (kind: release or sanitize), with
# the tests, and treating every compiler warning as an error. The release
# kind also builds the benchmarks; the sanitizers would only slow them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-release}
flags=(-DTALLIMO_TESTS=ON -DTALLIMO_WERROR=ON)
case "$kind" in
  release)  flags+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLIMO_BENCHMARKS=ON -DTALLIMO_SANITIZE=OFF) ;;
  sanitize) flags+=(-DCMAKE_BUILD_TYPE=Debug -DTALLIMO_BENCHMARKS=OFF -DTALLIMO_SANITIZE=ON) ;;
  *) echo "unknown build kind: $kind" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$root/build/$kind" "${flags[@]}" >/dev/null
cmake --build "$root/build/$kind" --parallel "$(nproc)"
