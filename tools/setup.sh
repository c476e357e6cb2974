#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing. Asks apt only for what is
# missing, so it is quick when all is there.
# Usage: tools/setup.sh [--package] [--tests]
#   (always)   what building and running the program need;
#   --package  and what building its Debian package needs;
#   --tests    and what its tests and benchmarks need.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev libcups2-dev
  fonts-liberation fonts-comic-neue
)
packaging=(dpkg-dev file)
for option in "$@"; do
  case "$option" in
    --package) packages+=("${packaging[@]}") ;;
    --tests)
      packages+=("${packaging[@]}"
        libgtest-dev libbenchmark-dev clang libclang-rt-dev
        cups-daemon cups-client cups-filters poppler-utils mount
        lintian desktop-file-utils appstream
        xvfb openbox xdotool dbus-daemon at-spi2-core orca speech-dispatcher)
      ;;
    *)
      echo "usage: tools/setup.sh [--package] [--tests]" >&2
      exit 2
      ;;
  esac
done

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
# As apt does for a person, the downloaded archives are not kept.
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
  -o APT::Keep-Downloaded-Packages=false "${missing[@]}"
