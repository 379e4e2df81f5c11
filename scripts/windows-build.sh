#!/usr/bin/env bash
# Builds the Windows programs with Debian's mingw-w64 compilers:
# LumoraRPro9Service.exe, LumoraDemoDirectory.exe and LumoraRProDemoDb.exe
# into build/windows-<arch>/ (x86_64 and i686) with their installer
# LumoraRPro9Setup-<version>-<arch>.exe (NSIS), and for x86_64 the unit tests
# that apply to Windows (googletest from /usr/src/googletest). The libraries
# come from scripts/windows-deps.sh, which skips what is already built.
#
#   bash scripts/windows-build.sh [arch...]      (default: x86_64 i686)
#
# LUMORA_WINDOWS_LOOPBACK=1 builds the endpoints of cmake/loopback_endpoints.cmake
# in, as the tests under Wine need; LUMORA_WINDOWS_TESTS=0 leaves the unit
# tests out.
set -euo pipefail
cd "$(dirname "$0")/.."

arches=("$@")
((${#arches[@]})) || arches=(x86_64 i686)
triplets=()
for arch in "${arches[@]}"; do
  case $arch in
    x86_64|i686) triplets+=("$arch-w64-mingw32") ;;
    *) echo "windows-build: unknown architecture $arch (x86_64 or i686)" >&2; exit 2 ;;
  esac
done
bash scripts/windows-deps.sh "${triplets[@]}"

launcher=()
if command -v ccache >/dev/null; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
endpoints=()
[[ ${LUMORA_WINDOWS_LOOPBACK:-0} == 1 ]] && endpoints=(-C cmake/loopback_endpoints.cmake)

for arch in "${arches[@]}"; do
  printf '\n==== windows-build: %s ====\n' "$arch"
  build=build/windows-$arch
  tests=OFF
  targets=(LumoraRPro9Service LumoraDemoDirectory LumoraRProDemoDb LumoraRPro9Setup)
  # wine64 runs only the 64-bit programs, so only they get tests.
  if [[ $arch == x86_64 && ${LUMORA_WINDOWS_TESTS:-1} == 1 ]]; then
    tests=ON
    targets+=(windows_unit_tests)
  fi
  cmake "${endpoints[@]}" -S . -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="cmake/toolchain-$arch-w64-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_WERROR=ON \
    -DLUMORA_BUILD_CONFIGURATOR=OFF -DLUMORA_BUILD_TESTS=$tests "${launcher[@]}"
  cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"
done
