#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: printed_page.sh WINDOWS_PRINT_TESTS_EXE
# Runs the Windows printer's test under Wine, on the default printer of the
# Wine checks, then reads the page it left in $ZARANDOLA_TEST_PAGE: the report
# of 20 trials, and nothing of the document it cancelled.
set -euo pipefail

wine "$1" </dev/null
for _ in $(seq 300); do  # the queue may still be writing the page
  [ -z "$(lpstat -W not-completed -o)" ] && break
  sleep 0.1
done
text=$(pdftotext -layout "$ZARANDOLA_TEST_PAGE" -)
if ! grep -q "REALIZAR 20 VECES" <<<"$text"; then
  printf 'No report on the page:\n%s\n' "$text"
  exit 1
fi
if grep -q "media página" <<<"$text"; then
  echo "The cancelled document reached the page."
  exit 1
fi
