#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Zarandola for the browser: the site, plain static files, in
# build-web/site. Qt is built once for WebAssembly from Debian 13's own
# qt6-base source with Debian's emscripten, and kept in ~/.cache/zarandola-web
# (or $ZARANDOLA_WEB_CACHE). On Debian 13 it builds here; on any other
# release, in a fresh Debian 13 root made with mmdebstrap, which needs root
# (sudo).
# Usage: tools/build_web.sh [--tests]
#   --tests  also the unit tests, run under node, and the site checked in
#            headless Chromium and Firefox.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
cache=${ZARANDOLA_WEB_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zarandola-web}
tests=false
case "${1:-}" in
  "") ;;
  --tests) tests=true ;;
  *)
    echo "usage: tools/build_web.sh [--tests]" >&2
    exit 2
    ;;
esac

build_here() {
  cd "$source_dir"
  local setup=(--web)
  if $tests; then setup+=(--tests); fi
  tools/setup.sh "${setup[@]}"
  mkdir -p "$cache"
  local qt options=()
  if $tests; then options=(-DZARANDOLA_BUILD_TESTS=ON); fi
  qt=$(packaging/web/build_qt.sh "$cache" | tail -1)
  # Debian's Qt leaves its static plugins out unless asked: the browser's platform is one.
  EMSDK=$qt/emsdk "$qt/bin/qt-cmake" -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF "${options[@]}" >/dev/null
  EMSDK=$qt/emsdk cmake --build build-web -j "$(nproc)"
  local wasm=build-web/site/zarandola.wasm
  echo "build-web/site: $(du -sh build-web/site | cut -f1); zarandola.wasm with brotli:" \
    "$(brotli -c "$wasm" | wc -c | numfmt --to=iec) of $(stat -c %s "$wasm" | numfmt --to=iec)"
  if $tests; then
    ctest --test-dir build-web -L program -j "$(nproc)" --output-on-failure | tail -6  # fails the script when a test fails
    tests/web/check_in_browsers.sh build-web/site "$cache/npm"
  fi
}

# shellcheck source=/dev/null
if [ "$(. /etc/os-release && echo "$VERSION_ID")" = 13 ]; then
  build_here
  exit 0
fi

# Elsewhere: this script again, in a Debian 13 root.
ZARANDOLA_WEB_CACHE=$cache exec "$source_dir/tools/in_debian13.sh" ZARANDOLA_WEB_CACHE build-web \
  "$source_dir/tools/build_web.sh" "$@"
