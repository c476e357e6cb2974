# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the checks that listen to a real screen reader, with their
# arguments: each runs in a D-Bus session of its own, where Orca starts on a
# virtual display of its own with a window manager and the accessibility bus.
# Gives wait_for, press, stop_orca and read_speech, which writes what Orca
# said, an utterance a line, to $scratch/said.
if [ "${1:-}" != --in-session ]; then
  # Orca, started afresh, now and then hears nothing at all (seen with Orca 48):
  # a second try tells such a start from a fault, which fails both.
  dbus-run-session -- "$0" --in-session "$@" && exit 0
  echo "== once more, in a new session"
  exec dbus-run-session -- "$0" --in-session "$@"
fi
shift

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

failures=0
fail() {
  echo "FAILED: $*"
  failures=1
}
