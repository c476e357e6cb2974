#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Listens to a real screen reader. Orca runs on a virtual display of its own,
# with a window manager and the accessibility bus, all in a D-Bus session of
# their own, while the program is driven from the keyboard: a count, Simular,
# Tab into a result box, Borrar. What Orca said is read from its debug file,
# one SPEECH OUTPUT line an utterance. Ctrl+E between them opens the picture of
# the average, whose description Orca must read; then, Orca gone, the picture's
# window is checked as the window manager shows it.
# Usage: tests/speech.sh PROGRAM
set -euo pipefail
# shellcheck source=tests/speech_session.sh
. "$(dirname "$0")/speech_session.sh"
program=$1

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" >/dev/null 2>&1 &
program_pid=$!
helpers+=("$program_pid")
wait_for window 30 xdotool search --onlyvisible --name '^Zarandola$'
xdotool search --onlyvisible --name '^Zarandola$' windowactivate --sync
sleep 3  # Orca reads the new window
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
prompt='Indica el número de veces que haremos la simulación'
if grep "$prompt" "$scratch/said" | grep -v 'LAS RULETAS ZARANDOLA' | grep -q "$prompt.*$prompt"; then
  fail "the trial count's prompt was said twice at once"
fi
grep -q "^$prompt" "$scratch/said" || fail "the trial count was not heard by its prompt"
exit "$failures"
