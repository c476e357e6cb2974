#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the window's look tests under Wine where the installed program has no
# face but its own: in a mount namespace of this script (run it under
# unshare --mount) that hides Wine's faces, in a Wine prefix of its own, with
# a fontconfig (FONTCONFIG_FILE) that names no folder. Then again with Windows'
# setting "apps use the dark theme" on.
# Usage: unshare --mount bare_faces.sh WORK_FOLDER INSTALLER LOOK_TESTS_EXE
set -euo pipefail
work=$1 installer=$2 look_tests=$3

mkdir -p "$work/no-wine-faces"
mount --bind "$work/no-wine-faces" /usr/share/wine/fonts
export WINEPREFIX=$work/bare-prefix
wineboot --init
wine "$installer" /S
wineserver --wait
cp "$look_tests" "$WINEPREFIX/drive_c/Program Files/Zarandola/"
tests="C:\\Program Files\\Zarandola\\$(basename "$look_tests")"

echo "-- light"
wine "$tests" </dev/null
echo "-- dark"
wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Themes\Personalize' /v AppsUseLightTheme \
  /t REG_DWORD /d 0 /f >/dev/null
ZARANDOLA_DESKTOP=dark wine "$tests" --gtest_filter='DarkTheme.*' </dev/null
wineserver -k 2>/dev/null || true
