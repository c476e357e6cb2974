#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then configures and builds.
# Usage: tools/build.sh [--tests | --sanitize]
#   (none)      the program alone, with only what building and running it need;
#   --tests     the program, its tests and benchmarks;
#   --sanitize  the program and its tests under AddressSanitizer and UBSan.
# Prints the build folder on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
setup=()
targets=(--target zarandola)
options=(-DCMAKE_BUILD_TYPE=Release)
case "${1:-}" in
  "") ;;
  --tests)
    setup=(--tests) targets=()
    options+=(-DZARANDOLA_BUILD_TESTS=ON -DZARANDOLA_BUILD_BENCH=ON)
    ;;
  --sanitize)
    build_dir=build-sanitize setup=(--tests) targets=()
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARANDOLA_SANITIZE=ON -DZARANDOLA_BUILD_TESTS=ON)
    ;;
  *)
    echo "usage: tools/build.sh [--tests | --sanitize]" >&2
    exit 2
    ;;
esac

tools/setup.sh "${setup[@]}" >&2
cmake -S . -B "$build_dir" "${options[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)" "${targets[@]}" >&2
echo "$build_dir"
