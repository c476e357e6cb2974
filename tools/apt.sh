# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that install packages: apt_get, which waits for
# another program that holds apt's or dpkg's locks (unattended upgrades, a
# software centre refreshing its lists) for up to ten minutes instead of
# failing at once.

apt_locks=(/var/lib/dpkg/lock-frontend /var/lib/dpkg/lock /var/lib/apt/lists/lock)
apt_wait_seconds=600

# Who holds one of the given lock files (apt's own unless given), as
# "NAME, process PID"; prints nothing where all are free. Read from the
# kernel's table of locks, which anyone may read.
apt_lock_holder() {
  local lock device id pid
  for lock in "${@:-${apt_locks[@]}}"; do
    device=$(stat -c %d "$lock" 2>/dev/null) || continue
    # The kernel names a file by major:minor:inode, in hexadecimal but the inode.
    id=$(printf '%02x:%02x:%s' $(((device >> 8) & 0xfff)) $(((device & 0xff) | ((device >> 12) & 0xfff00))) \
      "$(stat -c %i "$lock")")
    # A process waiting for the lock has a line of its own, marked "->".
    pid=$(awk -v id="$id" '$2 != "->" && $6 == id { print $5; exit }' /proc/locks 2>/dev/null)
    if [ -n "$pid" ]; then
      echo "$(cat "/proc/$pid/comm" 2>/dev/null || echo unknown), process $pid"
      return
    fi
  done
}

# apt-get ARGUMENT..., as root (through sudo where needed). apt waits for
# dpkg's locks by itself, given a timeout; `apt-get update` does not wait for
# the lists' lock, so a call that fails while another program holds a lock is
# tried again until the time is up.
apt_get() {
  local deadline=$((SECONDS + apt_wait_seconds)) told=false holder status sudo=()
  if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
  while true; do
    holder=$(apt_lock_holder)
    if [ -z "$holder" ]; then
      status=0
      "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=$((deadline > SECONDS ? deadline - SECONDS : 0)) "$@" || status=$?
      holder=$(apt_lock_holder)
      if ((status == 0)) || [ -z "$holder" ]; then return "$status"; fi
    fi
    if ((SECONDS >= deadline)); then
      echo "Another program ($holder) has held the package manager for $((apt_wait_seconds / 60)) minutes;" \
        "try again when it has finished." >&2
      return 100
    fi
    if ! $told; then
      echo "Another program ($holder) is installing packages or refreshing their lists;" \
        "waiting for it to finish, for up to $((apt_wait_seconds / 60)) minutes." >&2
      told=true
    fi
    sleep 1
  done
}
