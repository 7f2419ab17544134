#!/usr/bin/env bash
# Installs the Debian packages the build needs; does nothing when they are
# all present already. Safe to run again and again.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev
  libcairo2-dev libfreetype-dev libjpeg-dev libpng-dev libvorbis-dev libogg-dev
  fonts-comfortaa fonts-dejavu-core fonts-dejavu-extra
  libgtest-dev libgmock-dev libbenchmark-dev clang
  xvfb xauth sox
)

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
