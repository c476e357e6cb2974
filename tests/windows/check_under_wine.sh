#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Windows build under Wine, in a Wine prefix, an X display and a
# private CUPS scheduler of its own:
#   - the unit tests and the printer's test, cross-built, pass (and the
#     benchmark's figures are shown);
#   - the installer installs silently under Program Files, with a Start-menu
#     entry and an entry in the list of installed programs;
#   - the installed program, started in Spanish and in English, and once with
#     separators of the user's own, takes a count, simulates and prints: the
#     page arrives as one PDF page whose figures follow the user's format;
#     "Terminar", closing the window and the user logging off each end it
#     with status 0;
#   - in a prefix that sees no face but the program's own, the window's look
#     tests pass, light and under Windows' dark setting;
#   - from a console, --help and --version print there, and an unknown option
#     is refused with status 2;
#   - a UI Automation client, as a Windows screen reader, reads the text
#     boxes' and buttons' names, and a result's figure after a run;
#   - the uninstaller leaves nothing of the program;
#   - the Windows printer tells a refused page, and that there is no printer.
# Usage: tests/windows/check_under_wine.sh BUILD_DIR QT_PREFIX
set -euo pipefail
build=$(cd "$1" && pwd)
qt=$2
tests=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=SCRIPTDIR/whole_page.sh
source "$tests/windows/whole_page.sh"

work=$(mktemp -d /tmp/zarandola-wine.XXXXXX)
chmod 755 "$work"  # the scheduler hands its filters to the lp user
xvfb=""
cleanup() {
  wineserver -k 2>/dev/null || true
  "$tests/test_printer.sh" stop "$work/printer"
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*" >&2
  exit 1
}

# Wine's own errors reach the log; its notes on what it leaves undone do not.
export WINEPREFIX=$work/prefix WINEARCH=win64 WINEDEBUG=fixme-all
# Wine sees the faces a PC might have, its own, and not Debian's: the program
# must bring the ones it is drawn in.
printf '<fontconfig></fontconfig>\n' >"$work/no-faces.conf"
export FONTCONFIG_FILE=$work/no-faces.conf
# No .NET or HTML engine: Wine would offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The locales the program is tried in, built here so that no root is needed.
export LOCPATH=$work/locales
mkdir -p "$LOCPATH"
for locale in es_ES en_US; do localedef -i "$locale" -f UTF-8 "$LOCPATH/$locale.UTF-8" 2>/dev/null || true; done

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
DISPLAY=:$(cat "$work/display")
export DISPLAY

"$tests/test_printer.sh" start "$work/printer" >/dev/null
export CUPS_SERVER=$work/printer/cups.sock
# Each unit test is a Wine process of its own. A Wine server left to itself
# ends the prefix's session whenever its last process ends and starts it again
# for the next, so that a test may start while a session ends. One persistent
# server keeps one session for them all, started here: a session that a test
# started would hold that test's output open for as long as it lasts.
mkdir "$WINEPREFIX"
wineserver --persistent
wineboot --init

echo "== the unit tests and the printer's test under Wine"
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
# The libraries of the build's own programs; the installed program has its own.
libraries="$qt/bin;$runtime;/usr/x86_64-w64-mingw32/lib"
page=$work/printer/out/page.pdf
WINEPATH=$libraries ZARANDOLA_TEST_PAGE=$page QT_PLUGIN_PATH=$qt/plugins \
  ctest --test-dir "$build" -L 'program|unit|print' -j "$(nproc)" --output-on-failure || fail "unit tests"
wineserver --kill
wineserver --wait

# Runs one of the printer's tests that need the queue changed first.
run_printer_test() {
  WINEPATH=$libraries wine "$build/tests/windows_print_tests.exe" --gtest_also_run_disabled_tests --gtest_filter="*.DISABLED_$1" \
    >"$work/printer_test.log" 2>&1 </dev/null || fail "$1:"$'\n'"$(cat "$work/printer_test.log")"
}
queue=$(lpstat -d | sed 's/.*: //')
echo "== the queue refusing the page (Wine takes about 45 s to give up)"
cupsreject "$queue"
run_printer_test TellsWhenTheQueueRefusesThePage
cupsaccept "$queue"
echo "== the simulation's benchmark under Wine (for the record, not checked)"
WINEPATH=$libraries wine "$build/bench/simulation_bench.exe" --benchmark_filter='BM_run_simulation/1000000' \
  --benchmark_repetitions=3 --benchmark_report_aggregates_only=true | grep median || true

echo "== silent install"
installer=$(ls "$build"/package/zarandola-*-win64.exe)
wine "$installer" /S
wineserver --wait
program_files=$WINEPREFIX/drive_c/Program\ Files/Zarandola
[ -f "$program_files/zarandola.exe" ] || fail "no zarandola.exe under Program Files"
ls "$WINEPREFIX"/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Zarandola/Zarandola.lnk >/dev/null ||
  fail "no Start-menu entry"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zarandola'
wine reg query "$uninstall_key" /v UninstallString >/dev/null || fail "not in the list of installed programs"

echo "== the window's look with only the program's own faces, light and dark"
namespace=(unshare --mount)
[ "$(id -u)" -eq 0 ] || namespace=(unshare --map-root-user --mount)
"${namespace[@]}" "$tests/windows/bare_faces.sh" "$work" "$installer" "$build/tests/window_look_tests.exe" ||
  fail "the window's look with only its own faces"

echo "== the command line, from a console"
program_exe="C:\\Program Files\\Zarandola\\zarandola.exe"
# Runs the program with an option from cmd in a console of its own (a
# terminal, which script gives Wine), as a user types it: its answer on that
# console, and its status.
from_console() {
  script -qec "wine cmd /c '$program_exe' $1" /dev/null 2>/dev/null </dev/null | tr -d '\r'
  printf '\nstatus %s\n' "${PIPESTATUS[0]}"
}
for expected in "--help|Uso: zarandola [OPCIÓN]...|0" "--version|zarandola 1.0.0|0" \
  "--bogus|zarandola: opción desconocida: «bogus»|2"; do
  IFS='|' read -r option text status <<<"$expected"
  answer=$(from_console "$option")
  [[ $answer == *"$text"* && $answer == *$'\n'"status $status" ]] || fail "$option from a console gave:"$'\n'"$answer"
done

echo "== what a Windows screen reader reads, through UI Automation"
LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 wine "$program_exe" &
program=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zarandola$' | head -1)
xdotool windowactivate --sync "$window" 2>/dev/null || true
sleep 1
xdotool type --delay 50 20
xdotool key alt+s
sleep 1
read_out=$(wine "$build/tests/uia_names.exe" 2>"$work/uia.err" </dev/null | tr -d '\r') ||
  fail "UI Automation: $(cat "$work/uia.err")"
xdotool key alt+t
wait "$program"
[ "$(grep -c $'^Edit\t' <<<"$read_out")" -eq 15 ] || fail "not fifteen text boxes:"$'\n'"$read_out"
for pattern in $'^Edit\tLimones, nº de veces\t' $'^Edit\tEsperanza matemática\t' $'^Button\tSimular\t' \
  $'^Button\tTerminar\t'; do
  grep -qE "$pattern" <<<"$read_out" || fail "UI Automation reads nothing like «$pattern»:"$'\n'"$read_out"
done
# Wine 10 gives no property asked for by its identifier: where it stops, say so.
if stop=$(grep -m1 'stopped at' "$work/uia.err"); then
  echo "   the figures not read: $stop"
else
  grep -qE $'^Edit\tLimones, nº de veces\t[0-9]+$' <<<"$read_out" || fail "no figure after a run:"$'\n'"$read_out"
fi

# Starts the installed program in a locale, types the count, simulates, prints
# and ends it in the given way; the page must come, and the end status be 0.
run_and_print() {
  local locale=$1 count=$2 ending=$3
  rm -f "$page"
  LANG=$locale LC_ALL=$locale wine "C:\\Program Files\\Zarandola\\zarandola.exe" &
  local program=$!
  local window
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zarandola$' | head -1)
  [ -n "$window" ] || fail "no window in $locale"
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  sleep 1
  xdotool type --delay 50 "$count"
  xdotool key --delay 200 alt+s alt+i
  wait_for_whole_page "$page"
  case "$ending" in
    terminar) xdotool key alt+t ;;                    # "Terminar"
    close) xdotool key alt+F4 ;;                      # the window closed
    log-off) wineboot --end-session ;;                # the user logging off
  esac
  for _ in $(seq 300); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$program" 2>/dev/null && fail "the program did not end in $locale ($ending)"
  local status=0
  wait "$program" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status in $locale ($ending)"
  [ -s "$page" ] || fail "no page printed in $locale"
  [ "$(pdfinfo "$page" | awk '/^Pages:/ { print $2 }')" = 1 ] || fail "not one page in $locale"
  pdftotext -layout "$page" -
}

# The page of a run of 20000 trials, in the format of the given separators:
# the count, the average prize the run gave and the theory.
check_page() {
  local text=$1 what=$2 decimal=$3 thousands=$4
  local pattern
  for pattern in "LAS RULETAS ZARANDOLA" "REALIZAR 20${thousands}000 VECES" \
    "El premio medio ha sido de [0-9]+${decimal}[0-9]{2} pesetas" "dos limones es 2${decimal}78%"; do
    grep -qE -- "$pattern" <<<"$text" || fail "$what: nothing on the page matches «$pattern»:"$'\n'"$text"
  done
}

echo "== Spanish: count, simulation and page"
text=$(run_and_print es_ES.UTF-8 20000 terminar)
check_page "$text" Spanish , '\.'
echo "== English"
text=$(run_and_print en_US.UTF-8 20000 close)
check_page "$text" English '\.' ,
echo "== separators of the user's own"
# Set, as in Windows' settings, for the locale the program then runs in: Wine
# drops them when it finds the locale changed.
for setting in "sDecimal '" "sThousand _"; do
  LANG=es_ES.UTF-8 LC_ALL=es_ES.UTF-8 wine reg add 'HKCU\Control Panel\International' /v "${setting% *}" \
    /d "${setting#* }" /f >/dev/null
done
text=$(run_and_print es_ES.UTF-8 20000 log-off)
check_page "$text" "custom separators" "'" _

echo "== uninstall"
wine "$program_files/Uninstall.exe" /S
wineserver --wait
# Nothing of the program may be left; the test queue's driver file is Wine's own.
queue_driver="$queue.ppd"
left=$(find "$WINEPREFIX/drive_c" -iname '*zarandola*' -not -name "$queue_driver")
[ -z "$left" ] || fail "the uninstaller left: $left"
if wine reg query "$uninstall_key" >/dev/null 2>&1; then fail "still in the list of installed programs"; fi

echo "== no printer at all"
lpadmin -x "$queue"
run_printer_test TellsWhenThereIsNoDefaultPrinter
echo "Under Wine: all checks passed."
