#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Listens to a real screen reader on the page: Orca, with Chromium in a real
# window, while a student types a count, Enter, Tab into the first result box
# and Alt+B. What the student typed must be what the program read (the answer
# names the count), and the boxes are heard by their names.
# Usage: tests/web/speech.sh URL
set -euo pipefail
# shellcheck source=tests/speech_session.sh
. "$(dirname "$0")/../speech_session.sh"
url=$1

chromium --no-sandbox --force-renderer-accessibility --user-data-dir="$scratch/chromium" --no-first-run \
  --accept-lang=es-ES --window-size=1000,800 --app="$url" >/dev/null 2>&1 &
helpers+=($!)
wait_for window 30 xdotool search --onlyvisible --name '^Zarandola$'
xdotool search --onlyvisible --name '^Zarandola$' windowactivate --sync
sleep 5  # the module loads, and Orca reads the page
press type 26
press key Return
for _ in 1 2 3 4; do press key Tab; done  # the picture, Simular, Borrar, the first result box
press key alt+b
stop_orca
read_speech

prompt='Indica el número de veces que haremos la simulación'
grep -q "^$prompt entry" "$scratch/said" || fail "the trial count was not heard by its prompt"
answers=$(grep -c "^26 tiradas: premio medio [0-9,]* pta; precio justo 61,11 pta$" "$scratch/said" || true)
[ "$answers" -eq 1 ] || fail "the answer of a run of the 26 trials typed was said $answers times, not once"
grep -q "^Limones, nº de veces entry [0-9]\{2\}" "$scratch/said" || fail "the first result box not heard with its figure"
grep -q "^Resultado de la última simulación" "$scratch/said" || fail "the result box's description not heard"
exit "$failures"
