#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Zarandola for 64-bit Windows with MinGW-w64: the installer
# zarandola-1.0.0-win64.exe and the zip of the same folder, in
# build-windows/package. Qt is built once from Debian 13's own qt6-base source
# and kept in ~/.cache/zarandola-windows (or $ZARANDOLA_WINDOWS_CACHE).
# On Debian 13 it builds here; on any other release, in a fresh Debian 13 root
# made with mmdebstrap, which needs root (sudo).
# Usage: tools/build_windows.sh [--tests]
#   --tests  also the unit tests, and the installed program checked under Wine.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
cache=${ZARANDOLA_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zarandola-windows}
tests=false
case "${1:-}" in
  "") ;;
  --tests) tests=true ;;
  *)
    echo "usage: tools/build_windows.sh [--tests]" >&2
    exit 2
    ;;
esac

# Google Benchmark's source from Debian, kept in the cache, for the benchmark
# built for Windows; prints its folder.
benchmark_source() {
  local version folder
  version=$(apt-cache showsrc benchmark | awk '/^Version:/ { print $2; exit }')
  folder=$cache/benchmark-$version
  if [ ! -f "$folder/CMakeLists.txt" ]; then
    rm -rf "$folder.download"
    mkdir -p "$folder.download"
    (cd "$folder.download" && apt-get source --only-source -qq "benchmark=$version" >/dev/null 2>&1)
    mv "$folder.download"/benchmark-*/ "$folder"
    rm -rf "$folder.download"
  fi
  echo "$folder"
}

build_here() {
  cd "$source_dir"
  local setup=(--windows) options=()
  if $tests; then setup+=(--tests); fi
  tools/setup.sh "${setup[@]}"
  mkdir -p "$cache"
  if $tests; then
    options=(-DZARANDOLA_BUILD_TESTS=ON -DZARANDOLA_BUILD_BENCH=ON -DZARANDOLA_BENCHMARK_SOURCE="$(benchmark_source)")
  fi
  local qt
  qt=$(packaging/windows/build_qt.sh "$cache" | tail -1)
  cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release "${options[@]}" >/dev/null
  cmake --build build-windows -j "$(nproc)"
  rm -rf build-windows/package
  (cd build-windows && cpack -B package >/dev/null)
  rm -rf build-windows/package/_CPack_Packages
  ls build-windows/package/zarandola-*-win64.{exe,zip}
  if $tests; then tests/windows/check_under_wine.sh build-windows "$qt"; fi
}

# shellcheck source=/dev/null
if [ "$(. /etc/os-release && echo "$VERSION_ID")" = 13 ]; then
  build_here
  exit 0
fi

# Elsewhere: this script again, in a Debian 13 root.
ZARANDOLA_WINDOWS_CACHE=$cache exec "$source_dir/tools/in_debian13.sh" ZARANDOLA_WINDOWS_CACHE build-windows \
  "$source_dir/tools/build_windows.sh" "$@"
