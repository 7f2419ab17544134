#!/usr/bin/env bash
# Installs the Debian packages the build needs; does nothing when they are
# all present already. Safe to run again and again.
#   bash scripts/setup.sh          what building and running the game need
#   bash scripts/setup.sh --test   that, and the tools the tests run
set -euo pipefail

# Building, generating the data folder and running the game.
PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache gzip
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev
  libcairo2-dev libfreetype-dev libjpeg-dev libpng-dev libvorbis-dev libogg-dev
  fonts-comfortaa fonts-dejavu-core fonts-dejavu-extra
)
# The tests, the sanitizer and fuzzer builds, the harness under a virtual X
# display, the sound checks, and the packaging checks (validators, the .deb).
TEST_PACKAGES=(
  libgtest-dev libgmock-dev libbenchmark-dev clang
  xvfb xauth sox imagemagick xdotool x11-utils
  desktop-file-utils appstream dpkg-dev man-db file python3
)

case "${1:-}" in
  --test) PACKAGES+=("${TEST_PACKAGES[@]}") ;;
  "") ;;
  *) echo "usage: $0 [--test]" >&2; exit 2 ;;
esac

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
