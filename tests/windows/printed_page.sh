#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: printed_page.sh WINDOWS_PRINT_TESTS_EXE
# Runs the Windows printer's test under Wine, on the default printer of the
# Wine checks, then reads the page it left in $ZARANDOLA_TEST_PAGE: the report
# of 20 trials, and nothing of the document it cancelled.
set -euo pipefail

# shellcheck source=SCRIPTDIR/whole_page.sh
source "$(dirname "$0")/whole_page.sh"

wine "$1" </dev/null
wait_for_whole_page "$ZARANDOLA_TEST_PAGE"
text=$(pdftotext -layout "$ZARANDOLA_TEST_PAGE" -)
# The report, with the blank line before its second part.
if [[ $text != *"REALIZAR 20 VECES"*$'\n\n'"2) RESULTADOS"* ]]; then
  printf 'No report on the page, or not its blank lines:\n%s\n' "$text"
  exit 1
fi
if [[ $text == *"media página"* ]]; then
  echo "The cancelled document reached the page."
  exit 1
fi
