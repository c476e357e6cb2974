#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Zarandola for the browser with Debian 13's emscripten: the site, plain
# static files, in build-web/site, and the same page in one file,
# build-web/zarandola.html, that opens from a disk with no server. On Debian 13
# it builds here; on any other release, in a fresh Debian 13 root made with
# mmdebstrap, which needs root (sudo).
# Usage: tools/build_web.sh [--tests]
#   --tests  also the program's unit tests, run under node, and the site
#            checked in headless Chromium and Firefox (puppeteer-core from npm
#            is kept in ~/.cache/zarandola-web, or $ZARANDOLA_WEB_CACHE).
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
  local setup=(--web) options=()
  if $tests; then setup+=(--tests) options=(-DZARANDOLA_BUILD_TESTS=ON); fi
  tools/setup.sh "${setup[@]}"
  emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release "${options[@]}" >/dev/null
  cmake --build build-web -j "$(nproc)"
  echo "build-web/site, as a host sends it with gzip: $(find build-web/site -type f ! -name LICENSE \
    -exec sh -c 'gzip -9c "$1" | wc -c' _ {} \; | paste -sd+ | bc | numfmt --to=iec)"
  if $tests; then
    ctest --test-dir build-web -L program -j "$(nproc)" --output-on-failure
    tests/web/check_in_browsers.sh build-web/site build-web/zarandola.html "$cache/npm"
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
