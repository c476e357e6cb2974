#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the whole test suite.
# Usage: tools/test.sh [--sanitize]   (--sanitize: under AddressSanitizer and UBSan)
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=$(tools/build.sh "${1:---tests}" | tail -n 1)
ctest --test-dir "$build_dir" -j "$(nproc)" --output-on-failure
