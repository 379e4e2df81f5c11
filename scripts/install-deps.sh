#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need.
# Idempotent: when every package is already present it does not touch apt.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libcurl4-openssl-dev libssl-dev libsqlite3-dev sqlite3 libpugixml-dev
  libsystemd-dev
  qt6-base-dev xvfb xauth openbox xdotool x11-utils
  clang libclang-rt-14-dev
  libspdlog-dev
  python3 python3-pyftpdlib
  systemd
)
# The Windows cross build (scripts/windows-*.sh) sets LUMORA_WINDOWS=1: the
# mingw-w64 compilers, what builds its libraries from Debian's sources,
# wine64 to run the Windows programs and NSIS to build their installer.
if [[ ${LUMORA_WINDOWS:-0} == 1 ]]; then
  packages+=(
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
    dpkg-dev make tcl wine64 nsis
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  if [[ $(id -u) -ne 0 ]]; then
    echo "install-deps: these packages are missing and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
  echo "install-deps: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "install-deps: all packages present"
fi
