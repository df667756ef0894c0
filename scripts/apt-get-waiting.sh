#!/usr/bin/env bash
# Zubrik: apt-get that waits its turn while another package manager is at work.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Usage: scripts/apt-get-waiting.sh APT_GET_ARGUMENT...
# The daily unattended upgrade, or someone's apt-get, holds the package
# system's locks for a minute or a few, and a plain apt-get stops at once. This
# waits up to ZUBRIK_APT_LOCK_WAIT seconds (300) for them, then names the
# holder and stops. apt-get's own DPkg::Lock::Timeout waits for the dpkg locks
# but not for the package lists' lock that `apt-get update` takes, so the
# waiting is done here, watching /proc/locks; the option still covers a lock
# taken between our last look and apt-get's start.
set -euo pipefail

wait_seconds=${ZUBRIK_APT_LOCK_WAIT:-300}
locks=(/var/lib/dpkg/lock-frontend /var/lib/dpkg/lock /var/lib/apt/lists/lock /var/cache/apt/archives/lock)

# Prints "process PID (NAME) holds FILE" for the first lock another process
# holds. /proc/locks names a file by device (hexadecimal major:minor) and inode.
lock_holder() {
  local file id pid
  for file in "${locks[@]}"; do
    id=$(stat -c '%Hd %Ld %i' "$file" 2>/dev/null) || continue
    # shellcheck disable=SC2086
    id=$(printf '%02x:%02x:%s' $id)
    pid=$(awk -v id="$id" '$2 != "->" && $(NF - 2) == id { print $(NF - 3); exit }' /proc/locks)
    if [[ -n $pid ]]; then
      echo "process $pid ($(cat "/proc/$pid/comm" 2>/dev/null || echo "not visible here")) holds $file"
      return
    fi
  done
}

give_up() {
  echo "apt-get: gave up after ${wait_seconds}s: $1; let it finish (or stop it), then run this again." >&2
  exit 1
}

announced=
while holder=$(lock_holder) && [[ -n $holder ]]; do
  ((SECONDS < wait_seconds)) || give_up "$holder"
  if [[ -z $announced ]]; then
    echo "Waiting up to ${wait_seconds}s for the package system: $holder" >&2
    announced=1
  fi
  sleep 1
done

status=0
apt-get -o DPkg::Lock::Timeout=$((wait_seconds > SECONDS ? wait_seconds - SECONDS : 1)) "$@" || status=$?
if ((status != 0)); then
  holder=$(lock_holder)
  [[ -z $holder ]] || give_up "$holder"
fi
exit "$status"
