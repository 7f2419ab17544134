#!/usr/bin/env bash
# Sets up, builds, generates the data folder and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_TESTS=OFF -DTW_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)"
cd build
exec ./tidewrack
