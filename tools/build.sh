#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then configures and builds the program, its tests
# and benchmarks.
# Usage: tools/build.sh [--sanitize]   (prints the build folder on its last line)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build
options=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-sanitize
  options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARANDOLA_SANITIZE=ON -DZARANDOLA_BUILD_BENCH=OFF)
fi

tools/setup.sh >&2
cmake -S . -B "$build_dir" "${options[@]}" >/dev/null
cmake --build "$build_dir" -j "$(nproc)" >&2
echo "$build_dir"
