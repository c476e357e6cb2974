#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=$(tools/build.sh | tail -n 1)
exec "$build_dir/ui/zarandola"
