#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's own libraries and their tests build and pass in a build that
# finds no Qt: any of them that asks for Qt, or includes it, fails here.
# Usage: tests/without_qt.sh SOURCE_FOLDER BUILD_FOLDER
set -euo pipefail
cmake -S "$1" -B "$2" -DCMAKE_BUILD_TYPE=Release -DZARANDOLA_FACES=OFF -DZARANDOLA_BUILD_TESTS=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON >/dev/null
cmake --build "$2" -j "$(nproc)" >/dev/null
ctest --test-dir "$2" -L program --no-tests=error --output-on-failure
