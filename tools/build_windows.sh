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

# Elsewhere: this script again, as root in a Debian 13 root that sees the clone
# and the cache at the same paths.
if [ "$(id -u)" -ne 0 ]; then
  exec sudo ZARANDOLA_WINDOWS_CACHE="$cache" ZARANDOLA_OWNER="$(id -u):$(id -g)" "$0" "$@"
fi
command -v mmdebstrap >/dev/null || {
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap >/dev/null
}
root=$(mktemp -d /tmp/zarandola-debian13.XXXXXX)
mounted=()
leave_root() {
  local process mount_point
  for process in /proc/[0-9]*; do
    if [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ]; then kill -9 "${process#/proc/}" 2>/dev/null || true; fi
  done
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}"; done
  rm -rf --one-file-system "$root"
  if [ -n "${ZARANDOLA_OWNER:-}" ]; then chown -R "$ZARANDOLA_OWNER" "$source_dir/build-windows" "$cache"; fi
}
trap leave_root EXIT
echo "== a Debian 13 root for the Windows build" >&2
mmdebstrap --quiet --variant=apt --include=ca-certificates trixie "$root"
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"  # no daemons started by packages
chmod 755 "$root/usr/sbin/policy-rc.d"
mkdir -p "$cache"
# A mount point of its own, so that the checks may make mount namespaces inside.
mount --bind "$root" "$root"
mounted+=("$root")
for mount_point in /proc /sys /dev /dev/pts "$source_dir" "$cache"; do
  mkdir -p "$root$mount_point"
  mount --bind "$mount_point" "$root$mount_point"
  mounted+=("$root$mount_point")
done
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  LANG=C.UTF-8 ZARANDOLA_WINDOWS_CACHE="$cache" "$source_dir/tools/build_windows.sh" "$@"
