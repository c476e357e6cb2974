#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the built site, served on 127.0.0.1, in Debian's headless Chromium
# and Firefox, driven by puppeteer-core from npm (kept in the web build's
# cache; it downloads no browser).
# Usage: tests/web/check_in_browsers.sh SITE_FOLDER NPM_FOLDER
set -euo pipefail
site=$(cd "$1" && pwd)
modules=$2
tests=$(cd "$(dirname "$0")" && pwd)

if [ ! -d "$modules/node_modules/puppeteer-core" ]; then
  mkdir -p "$modules"
  PUPPETEER_SKIP_DOWNLOAD=1 npm install --prefix "$modules" --no-save --no-audit --no-fund --loglevel=error \
    puppeteer-core@24.9.0
fi
work=$(mktemp -d /tmp/zarandola-web.XXXXXX)
server=""
cleanup() {
  if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
python3 -u -m http.server --bind 127.0.0.1 --directory "$site" 0 >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 100); do grep -q 'port' "$work/server.log" && break; sleep 0.1; done
port=$(grep -o 'port [0-9]*' "$work/server.log" | head -1 | cut -d' ' -f2)
[ -n "$port" ] || { echo "FAILED: no web server: $(cat "$work/server.log")" >&2; exit 1; }

failed=0
for browser in chromium:/usr/bin/chromium firefox:/usr/bin/firefox-esr; do
  echo "== ${browser%%:*}"
  HOME=$work node "$tests/site_test.mjs" "http://127.0.0.1:$port/" "${browser%%:*}" "${browser#*:}" "$work" \
    "$modules" || failed=1
done
exit "$failed"
