#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Tries the project the way a stranger would, on freshly made Debian roots
# (mmdebstrap: nothing installed but apt, git, sudo, passwd and certificates), with a
# clone of the current commit. For each release, Debian 13 first:
#   root     the README's test command, then its run command (the program
#            started offscreen and asked to quit), as root;
#   user     as a normal user who has password-less sudo, the README's commands
#            top to bottom: run (how long until the program is up, and how much
#            the root grew, are printed), test, install (the installed program
#            started, and no second copy) and remove (nothing of the program
#            left behind);
#   package  the package that the root run built, installed with apt-get on
#            another fresh root of the same release, and the installed program
#            started.
# Usage: tools/fresh_machine.sh [RELEASE...]   (trixie and bookworm by default)
# Needs root on this machine; installs mmdebstrap when it is missing.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$source_dir" rev-parse HEAD)
releases=("$@")
((${#releases[@]})) || releases=(trixie bookworm)

# The commands are taken from the README itself, so that the two cannot drift.
readme_command() {
  local command
  command=$(awk -v heading="## $1" '$0 == heading { section = 1; next } section && /^```/ { inside = !inside; if (!inside) exit; next }
                                    section && inside { print }' "$source_dir/README.md")
  [ -n "$command" ] || { echo "the README names no command under '## $1'" >&2; exit 1; }
  echo "$command"
}
test_command=$(readme_command "Test it")
run_command=$(readme_command "Run it")
install_command=$(readme_command "Install")
remove_command=$(readme_command "Remove")

# shellcheck source=tools/apt.sh
. "$source_dir/tools/apt.sh"
if ! command -v mmdebstrap >/dev/null; then
  apt_get update -qq
  DEBIAN_FRONTEND=noninteractive apt_get install -y -qq --no-install-recommends mmdebstrap >/dev/null
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

# One base root a release, unpacked afresh for every run.
make_base() {
  local release=$1
  echo "== making a fresh Debian $release root"
  if ! mmdebstrap --quiet --variant=apt --include=git,ca-certificates,sudo,passwd "$release" "$scratch/$release.tar"; then
    echo "cannot make a fresh Debian $release root: is Debian's package archive reachable?"
    exit 1
  fi
  echo "== Debian $(tar -xOf "$scratch/$release.tar" ./etc/debian_version)"
}

make_root() {
  root=$(mktemp -d /tmp/zarandola-root.XXXXXX)
  tar -C "$root" -xf "$scratch/$1.tar"
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

run_as_root() {
  make_root "$1"
  clone_into /root/zarandola
  echo "== as root: $test_command"
  in_root root /root bash -c "cd ~/zarandola && $test_command"
  echo "== as root: $run_command"
  in_root root /root bash -c "cd ~/zarandola && tests/quits_cleanly.sh $run_command"
  cp "$root"/root/zarandola/build/package/zarandola_*.deb "$scratch/$1.deb"
  remove_root
}

megabytes_in() { du -sxm "$root$1" | cut -f 1; }

# Every path of the program's, outside the clone and the temporary folders.
program_paths() {
  chroot "$root" find / -xdev \( -path /home -o -path /tmp -o -path /proc \) -prune -o -iname '*zarandola*' -print |
    sort
}

as_user() {
  echo "== as a user with sudo: $1"
  in_root contributor /home/contributor bash -c "cd ~/zarandola && $2"
}

run_as_user() {
  make_root "$1"
  chroot "$root" useradd --create-home --shell /bin/bash contributor
  echo 'contributor ALL=(ALL) NOPASSWD: ALL' >"$root/etc/sudoers.d/contributor"
  chmod 440 "$root/etc/sudoers.d/contributor"
  clone_into /home/contributor/zarandola
  chroot "$root" chown -R contributor: /home/contributor/zarandola

  local size_before lists_before
  size_before=$(megabytes_in /) lists_before=$(megabytes_in /var/lib/apt/lists)
  as_user "$run_command" "tests/quits_cleanly.sh $run_command"
  echo "== run command: the root grew by $(($(megabytes_in /) - size_before)) MB, of which" \
    "$(($(megabytes_in /var/lib/apt/lists) - lists_before)) MB are apt's package lists (aim: under 600 MB, 4 minutes)"
  as_user "$test_command" "$test_command"

  local before_install
  before_install=$(program_paths)
  as_user "$install_command" "$install_command"
  local icon=/usr/share/icons/hicolor/256x256/apps/org.zarandola.Zarandola.png
  as_user "the installed program, one copy" \
    "test ! -e /usr/local/bin/zarandola && test -f $icon && tests/quits_cleanly.sh zarandola"
  # apt asks before it removes anything; the user answers yes.
  as_user "$remove_command" "yes | $remove_command"
  local left
  left=$(comm -13 <(echo "$before_install") <(program_paths))
  if [ -n "$left" ]; then
    echo "removing the program left behind: $left"
    exit 1
  fi
  echo "== removing the program left nothing behind"
  remove_root
}

install_package() {
  [ -f "$scratch/$1.deb" ] || { echo "no package built on $1"; exit 1; }
  make_root "$1"
  cp "$scratch/$1.deb" "$root/tmp/zarandola.deb"
  cp "$source_dir/tests/quits_cleanly.sh" "$source_dir/tools/apt.sh" "$root/tmp/"
  echo "== installing the package built on $1 on a fresh root"
  in_root root /root bash -c ". /tmp/apt.sh && apt_get update -qq && DEBIAN_FRONTEND=noninteractive \
    apt_get install -y -qq --no-install-recommends /tmp/zarandola.deb >/dev/null"
  echo "== starting the installed program offscreen and asking it to quit"
  in_root root /root /tmp/quits_cleanly.sh zarandola
  remove_root
}

timed() {
  local start=$SECONDS
  "$@"
  echo "== $1 $2 took $((SECONDS - start)) s"
}

for release in "${releases[@]}"; do
  timed make_base "$release"
  timed run_as_root "$release"
  timed run_as_user "$release"
  timed install_package "$release"
done
