#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fetches Debian's qt6-base source, of the version of the installed
# qt6-base-dev, into a folder; prints the source's folder. The Windows and web
# builds of Qt start from it.
# Usage: packaging/qt_source.sh FOLDER
set -euo pipefail
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
(cd "$1" && apt-get source --only-source -qq "qt6-base=$version" >/dev/null 2>&1) || {
  echo "cannot fetch the source of qt6-base $version: is there a deb-src line for Debian 13?" >&2
  exit 1
}
find "$1" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*'
