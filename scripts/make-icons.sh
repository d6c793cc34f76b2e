#!/usr/bin/env bash
# Renders the program's icon from its SVG into the PNG sizes desktops look
# for, under resources/icons/hicolor. The PNGs are committed: the build never
# runs a program, so rerun this after changing the SVG.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
icons="$root/resources/icons"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing (Debian package librsvg2-bin)" >&2; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$icons/hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" "$icons/example.brenwick.tallimo.svg" \
    -o "$icons/hicolor/${size}x${size}/apps/example.brenwick.tallimo.png"
done
