#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the end-to-end printing test against a private CUPS scheduler that it
# starts and stops itself, with a temporary folder that takes no file: full
# and read-only where this user may mount a file system, read-only otherwise.
# Afterwards the folder must be as it was, and the queue must hold no job;
# then the queue is removed, and the scheduler has no printer at all.
# Usage: print_end_to_end.sh TEST_PROGRAM
set -euo pipefail
test_program=$1
tests=$(cd "$(dirname "$0")" && pwd)

printer_dir=$(mktemp -d /tmp/zarandola-printer.XXXXXX)
temporary=$printer_dir/tmpdir
cleanup() {
  if mountpoint -q "$temporary"; then umount "$temporary"; fi
  "$tests/test_printer.sh" stop "$printer_dir"
  rm -rf "$printer_dir" || true
}
trap cleanup EXIT
"$tests/test_printer.sh" start "$printer_dir"

mkdir "$temporary"
if mount -t tmpfs -o size=16k tmpfs "$temporary" 2>/dev/null; then
  head -c 1M /dev/zero >"$temporary/filler" 2>/dev/null || true
  mount -o remount,ro "$temporary"
  echo "TMPDIR: a full tmpfs, mounted read-only"
else
  chmod 555 "$temporary"
  echo "TMPDIR: a folder without write permission (skipping the full tmpfs: none can be mounted here)"
fi
before=$(ls -A "$temporary")
# As in a desktop session, Qt keeps its own runtime files out of TMPDIR.
mkdir -m 700 "$printer_dir/runtime"
export XDG_RUNTIME_DIR=$printer_dir/runtime

export PATH=/usr/sbin:/sbin:$PATH
export CUPS_SERVER=$printer_dir/cups.sock
export ZARANDOLA_TEST_QUEUE=zarandola-test
export ZARANDOLA_TEST_PAGE=$printer_dir/out/page.pdf
ZARANDOLA_TEST_SCHEDULER_PID=$(cat "$printer_dir/cupsd.pid")
export ZARANDOLA_TEST_SCHEDULER_PID
TMPDIR=$temporary "$test_program" --gtest_filter=PrintEndToEnd.*:PrintEndToEnd/*:ServiceSilentHalfWay.*:Session.*

if [ "$(ls -A "$temporary")" != "$before" ]; then
  echo "the program left files in TMPDIR: $(ls -A "$temporary")"
  exit 1
fi
unfinished=$(lpstat -W not-completed -o)
if [ -n "$unfinished" ]; then
  echo "jobs left in the queue: $unfinished"
  exit 1
fi

lpadmin -x "$ZARANDOLA_TEST_QUEUE"
"$test_program" --gtest_filter=NoDefaultPrinter.*
