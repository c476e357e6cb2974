#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing the program
# need. Asks apt only for what is missing, so it is quick when all is there.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libgtest-dev libbenchmark-dev clang libclang-rt-dev
  fonts-liberation fonts-comic-neue
  libcups2-dev cups-daemon cups-client cups-filters poppler-utils mount
  dpkg-dev file lintian desktop-file-utils appstream
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
