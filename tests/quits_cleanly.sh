#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program offscreen through the given command, which may build it
# first, lets it run a few seconds as a desktop program runs until it is
# closed, then asks it to quit as a session does (SIGTERM) and expects status 0.
# Says how long the command took to become the running program.
# Usage: tests/quits_cleanly.sh COMMAND [ARGUMENT...]
set -euo pipefail

start=$SECONDS
QT_QPA_PLATFORM=offscreen "$@" &
pid=$!
# The command becomes the program when it execs it; a build may come first.
for _ in $(seq 1200); do
  [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = zarandola ] && break
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
up_after=$((SECONDS - start))
sleep 3
if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" != zarandola ]; then
  status=0
  wait "$pid" || status=$?
  echo "the program was not running three seconds after it started: '$*' ended with status $status"
  exit 1
fi
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
if [ "$status" -ne 0 ]; then
  echo "the program did not quit cleanly: status $status"
  exit 1
fi
echo "the program was running ${up_after} s after the command started, and quit cleanly"
