#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for 64-bit Windows from Debian's own qt6-base source, once, and
# keeps it in the cache; prints its folder on the last line. The folder's name
# holds the Debian version of qt6-base, the compiler's version and a digest of
# the configure options and the toolchain file, so any change to them builds
# afresh.
# Runs on Debian 13, with the packages of tools/setup.sh --windows installed.
# Usage: packaging/windows/build_qt.sh CACHE_FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=$1

# Only what the program uses: Core, Gui, Widgets and PrintSupport, the windows
# platform plugin and the Windows styles. Debian's source has no wintab, which
# tablet events need; Direct2D 1.1 needs headers that MinGW lacks; without
# OpenGL, the choice of OpenGL library at run time goes too.
options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DQT_UNITY_BUILD=ON
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
  -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF -DFEATURE_testlib=OFF -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF -DFEATURE_icu=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_sql_sqlite=OFF
)

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
compiler_version=$(x86_64-w64-mingw32-g++-posix -dumpfullversion)
digest=$( (printf '%s\n' "${options[@]}" && cat "$here/mingw-w64.cmake") | sha256sum | cut -c 1-12)
prefix="$cache/qt-$qt_version-mingw$compiler_version-$digest"
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
rm -rf "$prefix"  # an interrupted build

work=$(mktemp -d "$cache/qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
echo "Building Qt $qt_version for Windows: about half an hour on two cores, once." >&2
source_dir=$("$here/../qt_source.sh" "$work")
# The installed Qt keeps the path of its toolchain file: a copy of ours goes with it.
mkdir -p "$prefix"
cp "$here/mingw-w64.cmake" "$prefix/"

cmake -G Ninja -S "$source_dir" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log" 2>&1 || {
  tail -40 "$work/configure.log" >&2
  exit 1
}
cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 || {
  tail -40 "$work/build.log" >&2
  exit 1
}
cmake --install "$work/build" >/dev/null
touch "$prefix/.complete"
echo "$prefix"
