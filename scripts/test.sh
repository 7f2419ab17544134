#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build, the packaging checks
# (install, menu entry, metainfo, .deb), then the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, then each fuzzer for a
# bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --test
JOBS="$(nproc)"
FUZZ_SECONDS="${FUZZ_SECONDS:-30}"

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$JOBS"
ctest --test-dir build --output-on-failure -j"$JOBS"

echo "== playthrough"
# The whole journey, a new player to the last story, played on the headless
# backend; a failure keeps its input as a harness script in build/playthrough-failure.
build/tools/playthrough/twplaythrough --userdir "$(mktemp -d)" --keep build/playthrough-failure --wall 300 --quiet

echo "== packaging"
# The screenshots of the metainfo, then the install and the .deb, from a tree
# configured for /usr as a distribution package is.
cmake --build build --target screenshots
cmake -S . -B build-pkg -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DTW_TESTS=OFF -DTW_BENCH=OFF -DTW_DATA_FROM="$PWD/build/data" >/dev/null
cmake --build build-pkg -j"$JOBS"
bash packaging/check.sh build-pkg

echo "== sanitizer build"
# The data folder is the one just generated: the generators need no sanitizer.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTW_SANITIZE=ON -DTW_BENCH=OFF \
  -DTW_DATA_FROM="$PWD/build/data" >/dev/null
cmake --build build-asan -j"$JOBS" --target twtests nodlclose
# Audio and video drivers are shared objects that SDL unloads at exit; the
# memory they still hold would then be reported as leaked from an unknown
# module. Keeping them mapped leaves only real leaks to report.
ASAN_LIB="$(gcc -print-file-name=libasan.so)"
LD_PRELOAD="$ASAN_LIB $PWD/build-asan/tests/libnodlclose.so" \
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$JOBS"

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzzers (${FUZZ_SECONDS}s each)"
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTW_FUZZ=ON \
    -DTW_TESTS=OFF -DTW_BENCH=OFF -DTW_DATA_FROM="$PWD/build/data" >/dev/null
  targets=()
  for src in fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
  cmake --build build-fuzz -j"$JOBS" --target "${targets[@]}"
  for name in "${targets[@]}"; do
    f="build-fuzz/fuzz/$name"
    corpus="build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    # The shipped level files are the level loader's first inputs.
    seeds=""
    [ "$name" = fuzz_level ] && seeds="$PWD/build/data/levelz"
    echo "-- $name"
    "$f" -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 "$corpus" $seeds 2>&1 | tail -n 3
  done
fi
echo "== all tests passed"
