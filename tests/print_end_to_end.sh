#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the end-to-end printing test against a private CUPS scheduler that it
# starts and stops itself. Usage: print_end_to_end.sh TEST_PROGRAM
set -euo pipefail
test_program=$1
tools=$(cd "$(dirname "$0")/../tools" && pwd)

printer_dir=$(mktemp -d /tmp/zarandola-printer.XXXXXX)
trap '"$tools/test_printer.sh" stop "$printer_dir"; rm -rf "$printer_dir" || true' EXIT
"$tools/test_printer.sh" start "$printer_dir"

export PATH=/usr/sbin:/sbin:$PATH
export CUPS_SERVER=$printer_dir/cups.sock
export ZARANDOLA_TEST_QUEUE=zarandola-test
export ZARANDOLA_TEST_PAGE=$printer_dir/out/page.pdf
"$test_program" --gtest_filter=PrintEndToEnd.*:Session.*
