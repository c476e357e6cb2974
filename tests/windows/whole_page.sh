# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the Wine checks.

# Waits, up to 30 s, until the queue has written the page file $1 whole: it
# holds something and the queue no unfinished job.
wait_for_whole_page() {
  for _ in $(seq 300); do
    [ -s "$1" ] && [ -z "$(lpstat -W not-completed -o)" ] && return
    sleep 0.1
  done
}
