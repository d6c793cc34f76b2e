#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need,
# asking apt only for the ones that are missing.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev libgl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  desktop-file-utils appstream
)
case "${1:-}" in
  --with-tools) packages+=(xvfb xauth imagemagick poppler-utils librsvg2-bin) ;;
  # libFuzzer and the sanitizers' runtimes come with clang's runtime package.
  --with-fuzz) packages+=(clang libclang-rt-14-dev) ;;
esac

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
