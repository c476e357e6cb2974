#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the project the way a stranger would, on freshly made Debian 12 roots
# (mmdebstrap, nothing installed but apt, git and certificates), with a clone of
# the current commit:
#   root     the README's test command, run as root;
#   user     the same, run as a normal user who has password-less sudo;
#   package  the package that the root run built, installed with apt-get on
#            another fresh root, and the installed program started offscreen.
# Usage: tools/fresh_machine.sh [root|user|package]...   (all three by default)
# Needs root on this machine; installs mmdebstrap when it is missing.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$source_dir" rev-parse HEAD)
suite=bookworm
runs=("$@")
((${#runs[@]})) || runs=(root user package)

# The test command is taken from the README itself, so that the two cannot drift.
test_command=$(awk '/^## Test it/ { section = 1; next } section && /^```/ { inside = !inside; if (!inside) exit; next }
                    section && inside { print }' "$source_dir/README.md")
[ -n "$test_command" ] || { echo "the README names no test command under '## Test it'"; exit 1; }

if ! command -v mmdebstrap >/dev/null; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap >/dev/null
fi

root=""
scratch=$(mktemp -d /tmp/zarandola-fresh.XXXXXX)

# Whatever the outcome: end what still runs inside the root, unmount, remove.
remove_root() {
  [ -n "$root" ] || return 0
  local process
  for process in /proc/[0-9]*; do
    if [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ]; then kill -9 "${process#/proc/}" 2>/dev/null || true; fi
  done
  local mount_point
  for mount_point in dev/pts dev sys proc; do
    if mountpoint -q "$root/$mount_point"; then umount -l "$root/$mount_point"; fi
  done
  rm -rf --one-file-system "$root"
  root=""
}
trap 'remove_root; rm -rf "$scratch"' EXIT

make_root() {
  root=$(mktemp -d /tmp/zarandola-root.XXXXXX)
  echo "== making a fresh Debian root in $root"
  mmdebstrap --quiet --variant=apt --include="$1" "$suite" "$root"
  # No init system runs in the root: package scripts must not start daemons there.
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
  local mount_point
  for mount_point in proc sys dev dev/pts; do
    mount --bind "/$mount_point" "$root/$mount_point"
  done
}

# Runs a command inside the root as the named user, with a clean environment
# and the PATH that Debian gives that user: a normal user's has no sbin.
in_root() {
  local user=$1 home=$2 path=/usr/local/bin:/usr/bin:/bin
  shift 2
  if [ "$user" = root ]; then path=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin; fi
  chroot "$root" /usr/sbin/runuser -u "$user" -- /usr/bin/env -i HOME="$home" USER="$user" LOGNAME="$user" \
    PATH="$path" LANG=C.UTF-8 "$@"
}

clone_into() {
  git clone --quiet "$source_dir" "$root$1"
  git -C "$root$1" checkout --quiet "$commit"
}

timed() {
  local start=$SECONDS
  "$@"
  echo "== $1 took $((SECONDS - start)) s"
}

run_as_root() {
  make_root git,ca-certificates
  clone_into /root/zarandola
  echo "== as root: $test_command"
  in_root root /root bash -c "cd ~/zarandola && $test_command"
  cp "$root"/root/zarandola/build/package/zarandola_*.deb "$scratch/"
  remove_root
}

run_as_user() {
  make_root git,ca-certificates,sudo
  chroot "$root" useradd --create-home --shell /bin/bash contributor
  echo 'contributor ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/contributor"
  chmod 440 "$root/etc/sudoers.d/contributor"
  clone_into /home/contributor/zarandola
  chroot "$root" chown -R contributor: /home/contributor/zarandola
  echo "== as a user with sudo: $test_command"
  in_root contributor /home/contributor bash -c "cd ~/zarandola && $test_command"
  remove_root
}

install_package() {
  local deb
  deb=$(ls "$scratch"/zarandola_*.deb 2>/dev/null) || { echo "no package: run 'root' first"; exit 1; }
  make_root ca-certificates
  cp "$deb" "$root/tmp/"
  echo "== installing $(basename "$deb") on a fresh root"
  in_root root /root bash -c "apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends /tmp/$(basename "$deb") >/dev/null"
  echo "== starting the installed program offscreen and asking it to quit"
  in_root root /root bash -c 'QT_QPA_PLATFORM=offscreen /usr/bin/zarandola & pid=$!; sleep 3
    kill -TERM "$pid"; status=0; wait "$pid" || status=$?
    [ "$status" -eq 0 ] || { echo "the installed program ended with status $status"; exit 1; }'
  echo "== the installed program started and quit cleanly"
  remove_root
}

for run in "${runs[@]}"; do
  case $run in
    root) timed run_as_root ;;
    user) timed run_as_user ;;
    package) timed install_package ;;
    *) echo "usage: $0 [root|user|package]..."; exit 2 ;;
  esac
done
