#!/usr/bin/env bash
# Builds and runs every test: the normal build, the address/undefined-behaviour sanitizer build,
# and about a minute of fuzzing of the evaluator.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

echo "== Build and tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j"$(nproc)"

echo "== Sanitizer build (address, undefined) and tests"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
      -DPLOTARIS_SANITIZE=ON -DPLOTARIS_BENCH=OFF >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)"

echo "== Fuzzing the evaluator"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DPLOTARIS_GUI=OFF -DPLOTARIS_TESTS=OFF -DPLOTARIS_BENCH=OFF -DPLOTARIS_FUZZ=ON >/dev/null
cmake --build build-fuzz --target equation_fuzz
corpus=$(mktemp -d)
cp tests/fuzz/seeds/* "$corpus"/
build-fuzz/tests/fuzz/equation_fuzz -dict=tests/fuzz/equation.dict -max_total_time=${PLOTARIS_FUZZ_SECONDS:-60} -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 "$corpus"
echo "== All tests passed"
