#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing. Asks apt only for what is
# missing, so it is quick when all is there.
# Usage: tools/setup.sh [--package] [--tests] [--windows | --web]
#   (always)   what building and running the program need;
#   --package  and what building its Debian package needs;
#   --tests    and what its tests and benchmarks need;
#   --windows  what building for Windows needs, on Debian 13, Debian's source
#              of Qt included (with --tests: Wine and what the checks under it need);
#   --web      what building for the browser needs, on Debian 13 (with --tests:
#              the browsers, what drives them, and Orca listening to Chromium).
set -euo pipefail
# shellcheck source=tools/apt.sh
. "$(dirname "$0")/apt.sh"

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libgl-dev libcups2-dev
  fonts-liberation fonts-comic-neue
)
packaging=(dpkg-dev file)
windows=(cmake ninja-build g++-mingw-w64-x86-64-posix qt6-base-dev qt6-translations-l10n dpkg-dev nsis
  fonts-liberation fonts-comic-neue)
windows_tests=(googletest wine wine64 fonts-wine xvfb xdotool locales cups-daemon cups-client cups-filters ghostscript poppler-utils
  mount)
web=(cmake ninja-build emscripten python3 python3-fonttools python3-brotli bc fonts-liberation fonts-comic-neue)
web_tests=(googletest chromium firefox-esr nodejs npm poppler-utils
  xvfb openbox xdotool dbus-daemon at-spi2-core orca speech-dispatcher)
for_windows=false for_web=false for_tests=false
for option in "$@"; do
  case "$option" in
    --windows) for_windows=true ;;
    --web) for_web=true ;;
    --package) packages+=("${packaging[@]}") ;;
    --tests)
      for_tests=true
      packages+=("${packaging[@]}"
        libgtest-dev libbenchmark-dev clang libclang-rt-dev
        cups-daemon cups-client cups-filters poppler-utils mount
        lintian desktop-file-utils appstream
        xvfb openbox xdotool x11-utils dbus-daemon at-spi2-core orca speech-dispatcher)
      ;;
    *)
      echo "usage: tools/setup.sh [--package] [--tests] [--windows | --web]" >&2
      exit 2
      ;;
  esac
done

if $for_windows; then
  packages=("${windows[@]}")
  if $for_tests; then packages+=("${windows_tests[@]}"); fi
elif $for_web; then
  packages=("${web[@]}")
  if $for_tests; then packages+=("${web_tests[@]}"); fi
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi

# The Windows build compiles Debian's own Qt source, which apt fetches only
# with a deb-src line.
source_list=/etc/apt/sources.list.d/zarandola-qt-source.sources
if $for_windows && [ ! -f "$source_list" ]; then
  printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' 'Suites: trixie' 'Components: main' \
    'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' | "${sudo[@]}" tee "$source_list" >/dev/null
  apt_get update -qq
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
apt_get update -qq
# As apt does for a person, the downloaded archives are not kept.
DEBIAN_FRONTEND=noninteractive apt_get install -y -qq --no-install-recommends \
  -o APT::Keep-Downloaded-Packages=false "${missing[@]}"
