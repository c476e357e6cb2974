#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source and script file says its licence in one line near its top.
set -euo pipefail
cd "$(dirname "$0")/.."

missing=0
while IFS= read -r file; do
  if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
    echo "no licence line: $file"
    missing=1
  fi
done < <(git ls-files '*.cpp' '*.h' '*.sh' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt' '*.rc' '*.1' '.ci/run')
exit "$missing"
