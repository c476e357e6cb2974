#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A private CUPS scheduler with one PDF queue set as its default, for the
# end-to-end printing test; the machine's own printers are left alone. It runs
# as whoever starts it, root or not, and needs no driver helper of its own.
#   tests/test_printer.sh start DIR   starts it; its queue is zarandola-test,
#                                     and pages arrive as DIR/out/page.pdf
#   tests/test_printer.sh stop DIR    stops it
# Clients reach it with CUPS_SERVER=DIR/cups.sock in their environment.
set -euo pipefail
# The scheduler and its administration commands live in sbin, which a normal
# user's PATH may lack.
export PATH=/usr/sbin:/sbin:$PATH

action=${1:?usage: test_printer.sh start|stop DIR}
dir=${2:?usage: test_printer.sh start|stop DIR}
queue=zarandola-test

if [ "$action" = stop ]; then
  if [ -f "$dir/cupsd.pid" ]; then
    pid=$(cat "$dir/cupsd.pid")
    kill "$pid" 2>/dev/null || true
    # Its last files are written while it shuts down: wait for it to go.
    for _ in $(seq 100); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    rm -f "$dir/cupsd.pid"
  fi
  exit 0
fi

mkdir -p "$dir"/{spool,cache,state,tmp,log,out,ppd}
dir=$(cd "$dir" && pwd)
cat > "$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
FileDevice Yes
CONF
cat > "$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
# Started by root, the scheduler hands its filters to the lp user, who must reach the spool.
chmod 755 "$dir"
# Its filters write their temporary files there: a PostScript job goes through two.
chmod 1777 "$dir/tmp"

cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" &
echo $! > "$dir/cupsd.pid"
export CUPS_SERVER=$dir/cups.sock
for _ in $(seq 100); do
  [ -S "$CUPS_SERVER" ] && lpstat -r 2>/dev/null | grep -q 'is running' && break
  sleep 0.1
done
lpadmin -p "$queue" -v "file://$dir/out/page.pdf" -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd -E
lpadmin -d "$queue"
