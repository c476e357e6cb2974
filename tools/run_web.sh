#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Serves the site on 127.0.0.1 and prints its address; builds it first where
# it is missing. Ends with Ctrl+C.
# Usage: tools/run_web.sh [PORT]   (8080 unless given)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
port=${1:-8080}
site=$source_dir/build-web/site
if [ ! -f "$site/index.html" ]; then "$source_dir/tools/build_web.sh"; fi
echo "Zarandola: http://127.0.0.1:$port/"
exec python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port"
