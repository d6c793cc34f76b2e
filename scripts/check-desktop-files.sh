#!/usr/bin/env bash
# Checks what the desktop sees of Tallimo: every local link and picture of
# the manual leads to a file, the launcher passes desktop-file-validate and
# the AppStream metadata passes appstreamcli (offline). Exits 77 (skipped)
# when one of the two tools is missing, after checking all the rest.
# Usage: check-desktop-files.sh [resources folder]
set -uo pipefail
resources=${1:-$(cd "$(dirname "$0")/../resources" && pwd)}
id=example.brenwick.tallimo
failed=0
skipped=0

manual="$resources/manual"
pages=("$manual"/*.html)
[ -e "${pages[0]}" ] || { echo "no manual pages in $manual"; failed=1; }
for page in "${pages[@]}"; do
  [ -e "$page" ] || continue
  while read -r target; do
    case "$target" in http:* | https:* | mailto:*) continue ;; esac
    [ -e "$manual/$target" ] || { echo "$(basename "$page"): no file for link $target"; failed=1; }
  done < <(grep -oE '(href|src)="[^"#]+' "$page" | sed -E 's/^(href|src)="//')
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$resources/$id.desktop" || failed=1
else
  echo "desktop-file-validate is missing (Debian package desktop-file-utils)"; skipped=1
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$resources/$id.metainfo.xml" || failed=1
else
  echo "appstreamcli is missing (Debian package appstream)"; skipped=1
fi

[ "$failed" -eq 0 ] || exit 1
[ "$skipped" -eq 0 ] || exit 77
echo "desktop files and manual links are sound"
