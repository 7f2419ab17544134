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

# The reliability group prints its own figures below; the suite runs the rest.
RELIABILITY='SaveKill|SmallDisk|HostileData|HostileResume|Damaged|UserFolder'

echo "== normal build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$JOBS"
ctest --test-dir build --output-on-failure -j"$JOBS" -E "$RELIABILITY"

# Runs a test binary's group, keeps the log, prints the summary lines and
# the figures the tests print; on failure the whole log.
rungroup() {
  local log="$1"; shift
  if ! "$@" >"$log" 2>&1; then cat "$log"; echo "FAILED: $*"; exit 1; fi
  grep -E 'kill -9 rounds|\[  PASSED|\[  SKIPPED|\[==========\]' "$log" || true
}

echo "== reliability: saves under kill -9, full and read-only disks, damaged files, hostile data"
SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=offscreen \
  rungroup build/reliability.log build/tests/twtests --gtest_filter="$(echo "$RELIABILITY" | sed 's/[^|]*/*&*/g; s/|/:/g')"

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
cmake --build build-asan -j"$JOBS" --target twtests nodlclose twsoak
# Audio and video drivers are shared objects that SDL unloads at exit; the
# memory they still hold would then be reported as leaked from an unknown
# module. Keeping them mapped leaves only real leaks to report.
ASAN_LIB="$(gcc -print-file-name=libasan.so)"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
LD_PRELOAD="$ASAN_LIB $PWD/build-asan/tests/libnodlclose.so" \
  ctest --test-dir build-asan --output-on-failure -j"$JOBS"

echo "== random-input soak under the sanitizers (${SOAK_TICKS:=50000} ticks x ${SOAK_SEEDS:=4} seeds)"
for seed in $(seq 1 "$SOAK_SEEDS"); do
  LD_PRELOAD="$ASAN_LIB $PWD/build-asan/tests/libnodlclose.so" \
    build-asan/tools/soak/twsoak --ticks "$SOAK_TICKS" --seed "$seed" --data "$PWD/build"
done
unset ASAN_OPTIONS UBSAN_OPTIONS

if [ -f fuzz/CMakeLists.txt ]; then
  echo "== fuzzers (${FUZZ_SECONDS}s each)"
  FUZZ_SECONDS="$FUZZ_SECONDS" TW_DATA_FROM="$PWD/build/data" bash scripts/fuzz.sh
fi
echo "== all tests passed"
