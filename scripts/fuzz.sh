#!/usr/bin/env bash
# Builds every libFuzzer target with clang and runs each for FUZZ_SECONDS
# (30 by default; FUZZ_SECONDS=3600 for a long run), seeded with the shipped
# files. Corpora grow in build-fuzz/corpus (not in git). Prints each target's
# runs and whether it crashed; fails on the first crash.
set -euo pipefail
cd "$(dirname "$0")/.."
FUZZ_SECONDS="${FUZZ_SECONDS:-30}"
JOBS="$(nproc)"
DATA="${TW_DATA_FROM:-$PWD/build/data}"
[ -d "$DATA" ] || { echo "fuzz: no generated data folder at $DATA (build first)"; exit 1; }

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_FUZZ=ON \
  -DTW_TESTS=OFF -DTW_BENCH=OFF -DTW_DATA_FROM="$DATA" >/dev/null
targets=()
for src in fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
cmake --build build-fuzz -j"$JOBS" --target "${targets[@]}"

# The shipped file(s) each reader starts from.
seedsof() {
  case "$1" in
    fuzz_level) echo "$DATA/levelz" ;;
    fuzz_texts) echo "$DATA/texts/menutexts.txt $DATA/texts/gametexts.txt $DATA/texts/storytexts.txt" ;;
    fuzz_mappoints) echo "$DATA/map/mappoints.txt" ;;
    fuzz_splash) echo "$DATA/branding/splashconfig.txt" ;;
    fuzz_fontwidths) echo "$DATA/texts/fontwidths.txt" ;;
    fuzz_survey) echo "$DATA/survey/survey-texts.txt" ;;
    *) echo "" ;;
  esac
}

summary=()
for name in "${targets[@]}"; do
  corpus="build-fuzz/corpus/$name"
  seeddir="build-fuzz/seeds/$name"
  mkdir -p "$corpus" "$seeddir"
  for s in $(seedsof "$name"); do
    if [ -d "$s" ]; then cp -f "$s"/* "$seeddir"/ 2>/dev/null || true
    elif [ -f "$s" ]; then cp -f "$s" "$seeddir"/; fi
  done
  log="build-fuzz/$name.log"
  echo "-- $name (${FUZZ_SECONDS}s)"
  set +e
  (cd build-fuzz && "./fuzz/$name" -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$PWD/$name-" "corpus/$name" "seeds/$name") >"$log" 2>&1
  rc=$?
  set -e
  runs=$(grep -o 'Done [0-9]* runs' "$log" | tail -n 1 | grep -o '[0-9]*' || true)
  if [ $rc -ne 0 ]; then
    tail -n 40 "$log"
    echo "fuzz: $name FAILED (exit $rc); the input is in build-fuzz/$name-*"
    exit 1
  fi
  summary+=("$(printf '%-18s %10s runs  0 crashes' "$name" "${runs:-?}")")
done
echo "== fuzz summary (${FUZZ_SECONDS}s each)"
printf '%s\n' "${summary[@]}"
