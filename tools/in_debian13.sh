#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one of our build scripts as root in a fresh Debian 13 root made with
# mmdebstrap, which sees the clone and the script's cache at the same paths:
# the Windows and web builds need Debian 13's Qt source and compilers. Needs
# root (sudo). The build folder and the cache go back to the caller's user.
# Usage: tools/in_debian13.sh CACHE_VARIABLE BUILD_FOLDER SCRIPT [ARGUMENT...]
#   CACHE_VARIABLE  the name of the environment variable, set, that holds the
#                   script's cache folder; BUILD_FOLDER is in the clone.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
cache_variable=$1 build_folder=$2
shift 2
cache=${!cache_variable}

if [ "$(id -u)" -ne 0 ]; then
  exec sudo "$cache_variable=$cache" ZARANDOLA_OWNER="$(id -u):$(id -g)" "$0" "$cache_variable" "$build_folder" "$@"
fi
# shellcheck source=tools/apt.sh
. "$source_dir/tools/apt.sh"
command -v mmdebstrap >/dev/null || {
  apt_get update -qq
  DEBIAN_FRONTEND=noninteractive apt_get install -y -qq --no-install-recommends mmdebstrap >/dev/null
}
root=$(mktemp -d /tmp/zarandola-debian13.XXXXXX)
mounted=()
leave_root() {
  local process
  for process in /proc/[0-9]*; do
    if [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ]; then kill -9 "${process#/proc/}" 2>/dev/null || true; fi
  done
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}"; done
  rm -rf --one-file-system "$root"
  if [ -n "${ZARANDOLA_OWNER:-}" ]; then chown -R "$ZARANDOLA_OWNER" "$source_dir/$build_folder" "$cache"; fi
}
trap leave_root EXIT
echo "== a Debian 13 root for $(basename "$1")" >&2
mmdebstrap --quiet --variant=apt --include=ca-certificates trixie "$root"
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"  # no daemons started by packages
chmod 755 "$root/usr/sbin/policy-rc.d"
# The machine's own certificate authorities, such as a proxy's, for npm.
if compgen -G '/usr/local/share/ca-certificates/*' >/dev/null; then
  cp -a /usr/local/share/ca-certificates/. "$root/usr/local/share/ca-certificates/"
  chroot "$root" update-ca-certificates >/dev/null
fi
mkdir -p "$cache" "$source_dir/$build_folder"
# A mount point of its own, so that the checks may make mount namespaces inside.
mount --bind "$root" "$root"
mounted+=("$root")
for mount_point in /proc /sys /dev /dev/pts /dev/shm "$source_dir" "$cache"; do
  mkdir -p "$root$mount_point"
  mount --bind "$mount_point" "$root$mount_point"
  mounted+=("$root$mount_point")
done
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  LANG=C.UTF-8 "$cache_variable=$cache" "$@"
