#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The set-up names the program that holds a lock it waits for, and no one
# where the lock is free; on a lock file of its own, so nothing is installed.
set -euo pipefail
. "$(dirname "$0")/../tools/apt.sh"
lock=$(mktemp)
flock --no-fork "$lock" sleep 60 &
holder=$!
trap 'kill "$holder"; rm -f "$lock"' EXIT
free=$(apt_lock_holder "$lock.missing" /dev/null)
until grep -q " $holder " /proc/locks; do sleep 0.1; done
held=$(apt_lock_holder /dev/null "$lock")
[ -z "$free" ] && [ "$held" = "sleep, process $holder" ] || {
  echo "free locks named '$free'; the held one named '$held', not 'sleep, process $holder'"
  exit 1
}
