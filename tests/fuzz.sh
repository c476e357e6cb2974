#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz target with clang under AddressSanitizer and UBSan, and runs
# it for a bounded time on the seed corpus kept in tests/fuzz/corpus.
# Usage: tests/fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$1
seconds=$2

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZARANDOLA_FUZZ=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc)" --target number_text_fuzzer >/dev/null

# New findings go to a scratch corpus; the seeds in the repository stay as they are.
mkdir -p "$build_dir/corpus"
log=$build_dir/fuzz.log
if "$build_dir/tests/fuzz/number_text_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
  -print_final_stats=1 -artifact_prefix="$build_dir/" "$build_dir/corpus" "$source_dir/tests/fuzz/corpus" >"$log" 2>&1; then
  tail -n 8 "$log"
else
  cat "$log"
  exit 1
fi
