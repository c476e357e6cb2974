#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program's Debian package and installs it with apt, so that there
# is one copy of the program and `apt remove zarandola` takes all of it away.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tools/apt.sh
. tools/apt.sh

tools/setup.sh --package
build_dir=$(tools/build.sh | tail -n 1)
rm -rf "$build_dir/package"
(cd "$build_dir" && cpack -G DEB -B package >/dev/null)
deb=$(ls "$PWD/$build_dir"/package/zarandola_*.deb)
DEBIAN_FRONTEND=noninteractive apt_get install -y -qq "$deb"
echo "Installed $(basename "$deb"); 'sudo apt remove zarandola' removes it."
