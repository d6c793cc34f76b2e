#!/usr/bin/env bash
# Builds Tallimo and starts it; any arguments (such as /WARN) are passed on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" release
exec "$root/build/release/app/tallimo" "$@"
