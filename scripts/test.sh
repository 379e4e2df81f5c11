#!/usr/bin/env bash
# Installs what the build needs, builds everything from scratch and runs every
# test: the normal build (its built-in endpoints on loopback, so that the
# end-to-end tests can stand in for the FTP server and the support endpoint),
# then the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then each fuzz target for a fixed time.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

"$root/scripts/install-deps.sh"

jobs=$(nproc)
fuzz_seconds=${LUMORA_FUZZ_SECONDS:-60}

step() { printf '\n==== %s ====\n' "$*"; }

step "release build"
rm -rf build/test-release build/test-sanitize build/test-fuzz
cmake -C cmake/loopback_endpoints.cmake -S . -B build/test-release -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_WERROR=ON -DLUMORA_BUILD_BENCHMARKS=ON
cmake --build build/test-release -j "$jobs"

step "tests (release; the end-to-end run waits out a two-minute settle pause)"
ctest --test-dir build/test-release --output-on-failure -j "$jobs"

step "sanitizer build (ASan + UBSan)"
cmake -S . -B build/test-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DLUMORA_WERROR=ON -DLUMORA_SANITIZE=ON
cmake --build build/test-sanitize -j "$jobs"

step "unit tests (ASan + UBSan)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/test-sanitize --output-on-failure -j "$jobs" -L unit

if compgen -G "fuzz/*.cpp" >/dev/null; then
  step "fuzzers (${fuzz_seconds} s each)"
  cmake -S . -B build/test-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DLUMORA_BUILD_FUZZERS=ON -DLUMORA_BUILD_TESTS=OFF -DLUMORA_BUILD_CONFIGURATOR=OFF
  cmake --build build/test-fuzz -j "$jobs" --target lumora_fuzzers
  for fuzzer in build/test-fuzz/fuzz/fuzz_*; do
    name=$(basename "$fuzzer")
    corpus="build/test-fuzz/corpus/$name"
    mkdir -p "$corpus"
    cp -r "fuzz/corpus/$name/." "$corpus/" 2>/dev/null || true
    echo "running $name"
    "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=1 "$corpus" 2>&1 | tail -n 5
  done
fi

step "all tests passed"
