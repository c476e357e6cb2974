#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Listens to a real screen reader. Orca runs on a virtual display of its own,
# with a window manager and the accessibility bus, all in a D-Bus session of
# their own, while the program is driven from the keyboard: a count, Simular,
# Tab into a result box, Borrar. What Orca said is read from its debug file,
# one SPEECH OUTPUT line an utterance. Ctrl+E between them opens the picture of
# the average, whose description Orca must read; then, Orca gone, the picture's
# window is checked as the window manager shows it. With --page, it listens to
# the page in a real Chromium window: the count typed must be the count run.
# Usage: tests/speech.sh PROGRAM | --page URL
set -euo pipefail
if [ "${1:-}" != --in-session ]; then
  # Orca, started afresh, now and then hears nothing at all (seen with Orca 48):
  # a second try tells such a start from a fault, which fails both.
  dbus-run-session -- "$0" --in-session "$@" && exit 0
  echo "== once more, in a new session"
  exec dbus-run-session -- "$0" --in-session "$@"
fi
program=$2

scratch=$(mktemp -d /tmp/zarandola-speech.XXXXXX)
export HOME=$scratch XDG_RUNTIME_DIR=$scratch/runtime LANG=C.UTF-8
mkdir -m 700 "$XDG_RUNTIME_DIR"
helpers=()
finish() {
  if ((${#helpers[@]})); then
    kill "${helpers[@]}" 2>/dev/null
    wait "${helpers[@]}" 2>/dev/null
  fi
  rm -rf "$scratch"
}
trap finish EXIT

wait_for() {  # DESCRIPTION SECONDS COMMAND...
  local what=$1 seconds=$2
  shift 2
  for _ in $(seq $((seconds * 10))); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "no $what after $seconds s"
  exit 1
}
press() {
  xdotool "$@"
  sleep 1.5
}
failures=0
fail() {
  echo "FAILED: $*"
  failures=1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$scratch/display" 2>/dev/null &
helpers+=($!)
wait_for display 10 test -s "$scratch/display"
export DISPLAY=:$(cat "$scratch/display")
openbox >/dev/null 2>&1 &
helpers+=($!)
wait_for "window manager" 20 xdotool get_desktop  # it activates the program's window
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
helpers+=($!)
# With no sound device here, speech-dispatcher cannot start a voice: Orca is
# told at once that none is to be had, and logs what it would have said.
SPEECHD_CMD=/bin/false orca --debug-file="$scratch/orca.log" >/dev/null 2>&1 &
orca_pid=$!
helpers+=("$orca_pid")
sleep 5  # its debug file is written in blocks: nothing there tells that it is ready
stop_orca() {
  kill "$orca_pid" 2>/dev/null || true  # Orca 48 may have ended already
  wait "$orca_pid" || true                # either way its debug file is whole now
}
# What Orca said, an utterance a line, without its time and voice.
read_speech() {
  LC_ALL=C sed -n "s/^[0-9:.]* - SPEECH OUTPUT: '\(.*\)' *{.*$/\1/p" "$scratch/orca.log" >"$scratch/said"
  echo "Orca said:"
  sed 's/^/  /' "$scratch/said"
}
prompt='Indica el número de veces que haremos la simulación'

if [ "$program" = --page ]; then
  chromium --no-sandbox --force-renderer-accessibility --user-data-dir="$scratch/chromium" --no-first-run \
    --accept-lang=es-ES --window-size=1000,800 --app="$3" >/dev/null 2>&1 &
else
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>&1 &
fi
program_pid=$!
helpers+=("$program_pid")
wait_for window 30 xdotool search --onlyvisible --name '^Zarandola$'
xdotool search --onlyvisible --name '^Zarandola$' windowactivate --sync
sleep 5  # Orca reads the new window, the page once its module has loaded
if [ "$program" = --page ]; then
  press type 26
  press key Return
  for _ in 1 2 3 4; do press key Tab; done  # the picture, Simular, Borrar, the first result box
  press key alt+b
  stop_orca
  read_speech
  grep -q "^$prompt entry" "$scratch/said" || fail "the trial count was not heard by its prompt"
  answers=$(grep -c "^26 tiradas: premio medio [0-9,]* pta; precio justo 61,11 pta$" "$scratch/said" || true)
  [ "$answers" -eq 1 ] || fail "the answer of a run of the 26 trials typed was said $answers times, not once"
  grep -q "^Limones, nº de veces entry [0-9]\{2\}" "$scratch/said" || fail "the first result box not heard with its figure"
  grep -q "^Resultado de la última simulación" "$scratch/said" || fail "the result box's description not heard"
  exit "$failures"
fi

press type 20
press key Return
press key Tab Tab Tab  # the picture, Simular, Borrar
press key Tab          # the first result box
press key ctrl+e       # the picture of the average, read as its window opens
press key Escape
press key alt+b
press key Tab
stop_orca

# Orca gone, the picture as the window manager shows it: Ctrl+E brings it up
# active and in front, open or not, where it was, and it may be maximized.
main=$(xdotool getactivewindow)
picture() { xdotool search --onlyvisible --name '^Evolución del premio medio$'; }  # a new window at each opening
in_front() { [ "$(xdotool getactivewindow)" = "$(picture)" ] &&
  xprop -root _NET_CLIENT_LIST_STACKING | grep -q -i "$(printf '0x%x' "$(picture)")$"; }
press key ctrl+e
xprop -id "$(picture)" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE_HORZ || fail "the picture cannot be maximized"
place=$(xdotool getwindowgeometry "$(picture)" | tail -n +2)
press key Escape
press key ctrl+e
[ "$(xdotool getwindowgeometry "$(picture)" | tail -n +2)" = "$place" ] || fail "the picture opened again elsewhere"
press windowactivate --sync "$main"
press key ctrl+e
in_front || fail "Ctrl+E left the open picture behind the main window"
press key Escape
press key ctrl+q
wait_for "end of the program after Ctrl+Q" 15 bash -c "! kill -0 $program_pid"
status=0
wait "$program_pid" || status=$?
[ "$status" -eq 0 ] || { echo "the program ended with status $status"; exit 1; }

read_speech
answers=$(grep -c "tiradas: premio medio [0-9,]* pta; precio justo 61,11 pta" "$scratch/said" || true)
[ "$answers" -eq 1 ] || fail "the answer of the run was said $answers times, not once"
# The window is read whole as it opens, its prize table with dot leaders, and
# again, as Orca reads any dialog, when the picture's window gives it back the
# focus; else neither the window again nor any dot leaders.
readings=$(grep -c 'LAS RULETAS ZARANDOLA' "$scratch/said" || true)
[ "$readings" -eq 2 ] || fail "the whole window was read $readings times, not twice"
if grep -v 'LAS RULETAS ZARANDOLA' "$scratch/said" | grep -q '\.\.\.\.'; then fail "dot leaders were said"; fi
box=$(grep -n -m 1 'Limones, nº de veces' "$scratch/said" | cut -d: -f1 || true)
if [ -z "$box" ]; then
  fail "the first result box was not named 'Limones, nº de veces'"
elif ! sed -n "$box,$((box + 2))p" "$scratch/said" | grep -q -E "(^|[ ,])[0-9]{2}\.?$"; then
  fail "the first result box was not heard with its whole figure"
fi
grep -q "Tras 10 tiradas, [0-9,]* pta; tras 20, [0-9,]* pta; precio justo 61,11 pta" "$scratch/said" ||
  fail "the picture of the average was not described"
if grep "$prompt" "$scratch/said" | grep -v 'LAS RULETAS ZARANDOLA' | grep -q "$prompt.*$prompt"; then
  fail "the trial count's prompt was said twice at once"
fi
grep -q "^$prompt" "$scratch/said" || fail "the trial count was not heard by its prompt"
exit "$failures"
