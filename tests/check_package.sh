#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package in the build folder, checks what it holds and
# declares, holds it to lintian and AppStream, and starts the program unpacked
# from it (offscreen) to see it run and quit cleanly.
# Usage: tests/check_package.sh BUILD_DIR
set -euo pipefail
build_dir=$(cd "$1" && pwd)
id=org.zarandola.Zarandola

package_dir=$build_dir/package
rm -rf "$package_dir"
(cd "$build_dir" && cpack -G DEB -B "$package_dir" >/dev/null)
deb=$(ls "$package_dir"/zarandola_*.deb)
echo "built $(basename "$deb")"

contents=$(dpkg-deb -c "$deb")
expected=(./usr/bin/zarandola ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml
  ./usr/share/man/man1/zarandola.1.gz ./usr/share/doc/zarandola/changelog.gz ./usr/share/doc/zarandola/copyright)
for size in 16 32 48 64 128 256; do expected+=("./usr/share/icons/hicolor/${size}x$size/apps/$id.png"); done
for file in "${expected[@]}"; do
  grep -q " $file\$" <<<"$contents" || { echo "the package lacks $file"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation fonts-comic-neue; do
  grep -q "$dependency" <<<"$depends" || { echo "the package does not depend on $dependency: $depends"; exit 1; }
done

# Debian's own checks: any error or warning fails the package.
if ! lintian --fail-on error,warning --tag-display-limit 0 "$deb"; then
  echo "lintian does not accept the package"
  exit 1
fi
echo "lintian accepts the package"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
desktop-file-validate "$scratch/usr/share/applications/$id.desktop"
icon=$(sed -n 's/^Icon=//p' "$scratch/usr/share/applications/$id.desktop")
for size in 16 32 48 64 128 256; do
  [ -f "$scratch/usr/share/icons/hicolor/${size}x$size/apps/$icon.png" ] ||
    { echo "the menu entry's icon '$icon' is not installed at ${size}x$size"; exit 1; }
done
# The tree as lintian sees it; the one warning let through is the missing
# homepage, which the package's lintian override explains.
appstream_report=$(appstreamcli validate-tree --no-net "$scratch" || true)
if grep -E '^[EW]: ' <<<"$appstream_report" | grep -v -E ': url-homepage-missing$'; then
  echo "AppStream does not accept the metainfo"
  exit 1
fi

"$(dirname "$0")/quits_cleanly.sh" "$scratch/usr/bin/zarandola"
