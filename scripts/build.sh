#!/usr/bin/env bash
# Configures and builds into build/<kind> (kind: release or sanitize).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:-release}
case "$kind" in
  release)  flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  sanitize) flags=(-DCMAKE_BUILD_TYPE=Debug -DTALLIMO_SANITIZE=ON) ;;
  *) echo "unknown build kind: $kind" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$root/build/$kind" "${flags[@]}" >/dev/null
cmake --build "$root/build/$kind" --parallel "$(nproc)"
