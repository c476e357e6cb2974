#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the built site in Debian's headless Chromium, served on 127.0.0.1
# as a static host serves it (bench/web_page.mjs says what). Run it where the
# browser checks run: in Debian 13, after tools/build_web.sh --tests.
# Usage: bench/web_page.sh [SITE_FOLDER [NPM_FOLDER]]
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
site=${1:-$source_dir/build-web/site}
modules=${2:-${XDG_CACHE_HOME:-$HOME/.cache}/zarandola-web/npm}
port_file=$(mktemp)
python3 -u "$source_dir/tests/web/static_host.py" "$site" >"$port_file" &
server=$!
trap 'kill "$server"; rm -f "$port_file"' EXIT
for _ in $(seq 100); do [ -s "$port_file" ] && break; sleep 0.1; done
node "$source_dir/bench/web_page.mjs" "http://127.0.0.1:$(cat "$port_file")/" /usr/bin/chromium "$modules"
