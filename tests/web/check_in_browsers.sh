#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the built site in Debian's headless Chromium and Firefox, driven by
# puppeteer-core from npm (kept in NPM_FOLDER; it downloads no browser), served
# on 127.0.0.1 as a static host serves it, and the one-file page from a disk;
# then listens to Orca reading the page in a real Chromium window.
# Usage: tests/web/check_in_browsers.sh SITE_FOLDER ONE_FILE_PAGE NPM_FOLDER
set -euo pipefail
site=$(cd "$1" && pwd)
one_file=$2
modules=$3
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
# The site, and for the returning student two releases differing in their release alone.
for copy in site release-a release-b; do cp -r "$site" "$work/$copy"; done
release=$(grep -o 'data-version="[^"]*"' "$site/index.html" | cut -d'"' -f2)
sed -i "s/$release/${release}b/g" "$work/release-b/index.html" "$work/release-b/sw.js"
ln -s "$work/release-a" "$work/current"
cp "$one_file" "$work/zarandola.html"

python3 -u "$tests/static_host.py" "$work" >"$work/port" &
server=$!
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.1; done
port=$(cat "$work/port")
[ -n "$port" ] || { echo "FAILED: no web server" >&2; exit 1; }

failed=0
for browser in chromium:/usr/bin/chromium firefox:/usr/bin/firefox-esr; do
  echo "== ${browser%%:*}"
  HOME=$work node "$tests/site_test.mjs" "http://127.0.0.1:$port/site/" "${browser%%:*}" "${browser#*:}" "$work" \
    "$modules" || failed=1
done
echo "== Orca in Chromium"
"$tests/../speech.sh" --page "http://127.0.0.1:$port/site/" || failed=1
exit "$failed"
