#!/usr/bin/env bash
# Builds the libraries the Windows programs link (libcurl with FTP and HTTP
# only and no TLS, SQLite, pugixml) from Debian's own source packages, so that
# they are the versions, with the security fixes, of the Linux build. Static
# libraries for x86_64-w64-mingw32 and i686-w64-mingw32 land in
#   build/windows-deps/<triplet>/{include,lib}
# Every step is skipped when its result is already there.
#
#   bash scripts/windows-deps.sh [triplet...]    (default: both)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

LUMORA_WINDOWS=1 "$root/scripts/install-deps.sh"

cache=${LUMORA_WINDOWS_DEPS:-$root/build/windows-deps}
triplets=("$@")
((${#triplets[@]})) || triplets=(x86_64-w64-mingw32 i686-w64-mingw32)
jobs=$(nproc)
mkdir -p "$cache/src"

step() { printf '\n==== windows-deps: %s ====\n' "$*"; }

# --- source entries -----------------------------------------------------------
# A deb-src twin of every deb entry the machine already uses, in a file of its
# own, so that the sources match the installed binary packages.
add_source_entries() {
  local list=/etc/apt/sources.list.d/lumora-deb-src.sources
  [[ -e $list ]] && return 0
  if grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/*.sources ||
     grep -qs '^deb-src ' /etc/apt/sources.list; then
    return 0
  fi
  [[ $(id -u) -eq 0 ]] || { echo "windows-deps: adding $list needs root" >&2; exit 1; }
  step "adding deb-src entries ($list)"
  local entries=""
  if [[ -r /etc/apt/sources.list.d/debian.sources ]]; then
    # deb822 stanzas; keep the ones that offer binary packages, as deb-src.
    entries=$(awk 'BEGIN { RS = ""; ORS = "\n\n" }
      /(^|\n)Types:[^\n]*deb([ \t]|\n|$)/ {
        sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' \
      /etc/apt/sources.list.d/debian.sources)
  elif [[ -r /etc/apt/sources.list ]]; then
    entries=$(sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list)
    list=/etc/apt/sources.list.d/lumora-deb-src.list
  fi
  [[ -n $entries ]] || { echo "windows-deps: found no Debian archive entry to mirror" >&2; exit 1; }
  printf '%s\n' "$entries" >"$list"
  apt-get update -qq
}

# --- source packages ----------------------------------------------------------
# Downloads and unpacks (with Debian's patches) one source package; prints its
# unpacked folder.
source_tree() {
  local package=$1
  local tree
  tree=$(find "$cache/src" -maxdepth 1 -mindepth 1 -type d -name "$package-*" | head -n 1)
  if [[ -z $tree ]]; then
    (cd "$cache/src" && apt-get source --download-only -qq "$package" >&2 &&
       dpkg-source --no-check -x "$(ls "$package"_*.dsc | head -n 1)" >&2)
    tree=$(find "$cache/src" -maxdepth 1 -mindepth 1 -type d -name "$package-*" | head -n 1)
  fi
  [[ -n $tree ]] || { echo "windows-deps: no source tree for $package" >&2; exit 1; }
  printf '%s\n' "$tree"
}

# --- SQLite -------------------------------------------------------------------
# The Debian source is SQLite's full tree; its amalgamation (one sqlite3.c) is
# generated once with the build machine's compiler and tclsh, then compiled
# per target.
build_sqlite() {
  local triplet=$1 prefix=$2 tree
  [[ -e $prefix/lib/libsqlite3.a ]] && return 0
  tree=$(source_tree sqlite3)
  local amalgamation=$cache/src/sqlite-amalgamation
  if [[ ! -e $amalgamation/sqlite3.c ]]; then
    step "sqlite3 amalgamation"
    rm -rf "$cache/src/sqlite-native" && mkdir -p "$cache/src/sqlite-native"
    (cd "$cache/src/sqlite-native" && "$tree/configure" -q >/dev/null && make -s sqlite3.c >/dev/null)
    mkdir -p "$amalgamation"
    cp "$cache/src/sqlite-native/sqlite3.c" "$cache/src/sqlite-native/sqlite3.h" "$amalgamation/"
    cp "$tree/src/sqlite3ext.h" "$amalgamation/" 2>/dev/null || true
  fi
  step "sqlite3 for $triplet"
  mkdir -p "$prefix/lib" "$prefix/include" "$cache/$triplet-build/sqlite"
  local object=$cache/$triplet-build/sqlite/sqlite3.o
  "$triplet-gcc-posix" -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION \
    -c "$amalgamation/sqlite3.c" -o "$object"
  "$triplet-ar" rcs "$prefix/lib/libsqlite3.a" "$object"
  cp "$amalgamation/sqlite3.h" "$prefix/include/"
}

# --- pugixml ------------------------------------------------------------------
build_pugixml() {
  local triplet=$1 prefix=$2 tree
  [[ -e $prefix/lib/libpugixml.a ]] && return 0
  tree=$(source_tree pugixml)
  step "pugixml for $triplet"
  cmake -S "$tree" -B "$cache/$triplet-build/pugixml" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$triplet.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DBUILD_SHARED_LIBS=OFF -DPUGIXML_BUILD_TESTS=OFF >/dev/null
  cmake --build "$cache/$triplet-build/pugixml" -j "$jobs" >/dev/null
  cmake --install "$cache/$triplet-build/pugixml" >/dev/null
}

# --- libcurl ------------------------------------------------------------------
# FTP and HTTP only: no TLS, no compression, no IDN, no other protocol. The
# programs link it statically (CURL_STATICLIB).
build_curl() {
  local triplet=$1 prefix=$2 tree
  [[ -e $prefix/lib/libcurl.a ]] && return 0
  tree=$(source_tree curl)
  step "libcurl for $triplet"
  local build=$cache/$triplet-build/curl
  rm -rf "$build" && mkdir -p "$build"
  (cd "$build" && "$tree/configure" -q --host="$triplet" --prefix="$prefix" \
      CC="$triplet-gcc-posix" \
      --disable-shared --enable-static --disable-manual \
      --enable-ftp --enable-http \
      --disable-file --disable-ldap --disable-ldaps --disable-rtsp --disable-dict \
      --disable-telnet --disable-tftp --disable-pop3 --disable-imap --disable-smb \
      --disable-smtp --disable-gopher --disable-mqtt \
      --without-ssl --without-zlib --without-brotli --without-zstd --without-libidn2 \
      --without-libpsl --without-nghttp2 --without-ngtcp2 --without-nghttp3 \
      --without-librtmp --without-libssh2 --without-libgsasl >/dev/null)
  make -C "$build/lib" -s -j "$jobs" >/dev/null
  make -C "$build/lib" -s install >/dev/null
  make -C "$build/include" -s install >/dev/null
}

add_source_entries
for triplet in "${triplets[@]}"; do
  prefix=$cache/$triplet
  build_sqlite "$triplet" "$prefix"
  build_pugixml "$triplet" "$prefix"
  build_curl "$triplet" "$prefix"
done
step "ready in $cache"
