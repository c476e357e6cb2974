#!/usr/bin/env bash
# Builds the Debian package in the build folder, checks what it holds and
# declares, and starts the program unpacked from it (offscreen) to see it run.
# Usage: tools/check_package.sh BUILD_DIR
set -euo pipefail
build_dir=$(cd "$1" && pwd)
id=org.zarandola.Zarandola

package_dir=$build_dir/package
rm -rf "$package_dir"
(cd "$build_dir" && cpack -G DEB -B "$package_dir" >/dev/null)
deb=$(ls "$package_dir"/zarandola_*.deb)
echo "built $(basename "$deb")"

contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/zarandola ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
  ./usr/share/icons/hicolor/16x16/apps/$id.png ./usr/share/icons/hicolor/32x32/apps/$id.png; do
  grep -q " $file\$" <<<"$contents" || { echo "the package lacks $file"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins fonts-liberation fonts-comic-neue; do
  grep -q "$dependency" <<<"$depends" || { echo "the package does not depend on $dependency: $depends"; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
desktop-file-validate "$scratch/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$scratch/usr/share/metainfo/$id.metainfo.xml"

# A desktop program runs until it is closed: still running after three seconds is success.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$scratch/usr/bin/zarandola" || status=$?
if [ "$status" -ne 124 ]; then
  echo "the unpacked program ended early with status $status"
  exit 1
fi
echo "the unpacked program ran"
