#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for WebAssembly from Debian's own qt6-base source with Debian's
# emscripten, once, static and single-threaded, and keeps it in the cache;
# prints its folder on the last line. The folder's name holds the Debian
# versions of qt6-base and emscripten and a digest of the configure options,
# or our patch to Qt's accessibility in the browser, so any change to them
# builds afresh.
# Runs on Debian 13, with the packages of tools/setup.sh --web installed.
# Usage: packaging/web/build_qt.sh CACHE_FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=$1

# Only what the program uses: Core, Gui (with its PDF writer) and Widgets. A
# single thread, so that the page needs no cross-origin isolation headers.
options=(
  -platform wasm-emscripten -qt-host-path /usr -static -release -no-feature-thread
  -nomake tests -nomake examples -no-feature-sql -no-feature-network -no-feature-dbus
  -no-feature-testlib -no-feature-concurrent -no-feature-xml -no-feature-printsupport
)

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
emscripten_version=$(dpkg-query -W -f='${Version}' emscripten)
digest=$( (printf '%s\n' "${options[@]}" && cat "$here/qt-accessibility.patch") | sha256sum | cut -c 1-12)
prefix="$cache/qt-$qt_version-emscripten$emscripten_version-$digest"
# Qt looks for emscripten in an emsdk's layout: a small one in the prefix
# points at Debian's. Qt and the program must both be built with it.
emsdk="$prefix/emsdk"
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
rm -rf "$prefix"  # an interrupted build
mkdir -p "$emsdk/upstream"
ln -s /usr/share/emscripten "$emsdk/upstream/emscripten"
echo "EMSCRIPTEN_ROOT = emsdk_path + '/upstream/emscripten'" >"$emsdk/.emscripten"

work=$(mktemp -d "$cache/qt-build.XXXXXX")
trap 'rm -rf "$work"' EXIT
echo "Building Qt $qt_version for WebAssembly: about 15 minutes on two cores, once." >&2
source_dir=$("$here/../qt_source.sh" "$work")
patch -d "$source_dir" -p1 --quiet <"$here/qt-accessibility.patch"
mkdir -p "$work/build"
(cd "$work/build" && EMSDK="$emsdk" "$source_dir/configure" -prefix "$prefix" "${options[@]}" \
  -- -G Ninja -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake) >"$work/configure.log" 2>&1 || {
  tail -40 "$work/configure.log" >&2
  exit 1
}
EMSDK="$emsdk" cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 || {
  tail -40 "$work/build.log" >&2
  exit 1
}
cmake --install "$work/build" >/dev/null
touch "$prefix/.complete"
echo "$prefix"
