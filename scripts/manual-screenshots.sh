#!/usr/bin/env bash
# Takes the manual's pictures afresh from the program's own windows, filled
# with sample data, into resources/manual/images. Run it after changing a
# screen, look at the pictures, and commit them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/release"
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target manual_screenshots --parallel "$(nproc)"
images="$root/resources/manual/images"
mkdir -p "$images"
# The offscreen platform draws the windows as a desktop would, with no display.
# A home of its own keeps the user's settings out of the pictures, and one
# locale keeps the dates in them the same on every machine.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
LC_ALL=en_GB.UTF-8 HOME="$home" QT_QPA_PLATFORM=offscreen "$build/tests/desktop/manual_screenshots" "$images"
ls -l "$images"
