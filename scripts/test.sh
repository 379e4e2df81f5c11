#!/usr/bin/env bash
# Installs what the build needs, builds everything from scratch and runs every
# test: the normal build (its built-in endpoints on loopback, so that the
# end-to-end tests can stand in for the FTP server and the support endpoint),
# then the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then each fuzz target for a fixed time. The configurations are the presets
# test-release, test-sanitize and test-fuzz of CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

"$root/scripts/install-deps.sh"

jobs=$(nproc)
fuzz_seconds=${LUMORA_FUZZ_SECONDS:-60}

step() { printf '\n==== %s ====\n' "$*"; }

step "release build"
rm -rf build/test-release build/test-sanitize build/test-fuzz
cmake --preset test-release
cmake --build --preset test-release -j "$jobs"

step "tests (release; the end-to-end run waits out a two-minute settle pause)"
ctest --preset test-release -j "$jobs"

step "sanitizer build (ASan + UBSan)"
cmake --preset test-sanitize
cmake --build --preset test-sanitize -j "$jobs"

step "unit tests (ASan + UBSan)"
ctest --preset test-sanitize -j "$jobs"

if compgen -G "fuzz/*.cpp" >/dev/null; then
  step "fuzzers (${fuzz_seconds} s each)"
  cmake --preset test-fuzz
  cmake --build --preset test-fuzz -j "$jobs"
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
