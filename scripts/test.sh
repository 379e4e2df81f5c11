#!/usr/bin/env bash
# Installs what the build needs, builds everything from scratch and runs every
# test: the normal build (its built-in endpoints on loopback, so that the
# end-to-end tests can stand in for the FTP server and the support endpoint),
# then the unit tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then each fuzz target for a fixed time. The release tests include the
# Windows build (x86_64, made first by scripts/windows-build.sh) under wine64.
# The configurations are the presets test-release, test-sanitize and
# test-fuzz of CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

"$root/scripts/install-deps.sh"

jobs=$(nproc)
fuzz_seconds=${LUMORA_FUZZ_SECONDS:-60}

step() { printf '\n==== %s ====\n' "$*"; }

# The Windows libraries in build/windows-deps are a cache (Debian's sources,
# cross-built once); everything else is built afresh.
rm -rf build/test-release build/test-sanitize build/test-fuzz build/windows-x86_64

step "Windows build (x86_64, with the loopback endpoints, for the tests under Wine)"
LUMORA_WINDOWS_LOOPBACK=1 bash scripts/windows-build.sh x86_64

step "release build"
cmake --preset test-release -DLUMORA_WINDOWS_BUILD_DIR="$root/build/windows-x86_64"
cmake --build --preset test-release -j "$jobs"

step "tests (release, and the Windows build under Wine; each end-to-end run waits out a two-minute settle pause)"
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
  # One fuzzer per core at a time; each one's output is shown when all are done.
  fuzzers=(build/test-fuzz/fuzz/fuzz_*)
  running=0
  for fuzzer in "${fuzzers[@]}"; do
    name=$(basename "$fuzzer")
    corpus="build/test-fuzz/corpus/$name"
    mkdir -p "$corpus"
    cp -r "fuzz/corpus/$name/." "$corpus/" 2>/dev/null || true
    (
      status=0
      "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=1 "$corpus" \
        >"build/test-fuzz/$name.log" 2>&1 || status=$?
      echo "$status" >"build/test-fuzz/$name.status"
    ) &
    if (( ++running >= jobs )); then
      wait -n
      ((running--))
    fi
  done
  wait
  failed=0
  for fuzzer in "${fuzzers[@]}"; do
    name=$(basename "$fuzzer")
    echo "ran $name"
    tail -n 5 "build/test-fuzz/$name.log"
    if [[ $(cat "build/test-fuzz/$name.status") != 0 ]]; then
      echo "$name FAILED (its whole output: build/test-fuzz/$name.log)"
      failed=1
    fi
  done
  ((failed == 0)) || exit 1
fi

step "all tests passed"
