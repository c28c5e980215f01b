#!/usr/bin/env bash
# Runs Debian's Orca against the calculator in a real X server (Xvfb), on a
# private D-Bus session, and checks what it says while the window is used
# with the keyboard alone (orca_check.py). WINDOW_FACTS prints the window's
# caption, which Orca must say first (windowFacts.cpp).
#   orca_check.sh PROGRAM WORKDIR WINDOW_FACTS
# Orca refuses to start beside another Orca of the same user (the user's own
# screen reader, or this test running for another build), so the test runs
# in a PID namespace of its own, where it sees none; whatever the test
# starts ends with it.
set -euo pipefail
prog=$(realpath "$1") work=$2 facts=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"

if [ -z "${BJT_ORCA_CHECK_ISOLATED:-}" ]; then
  export BJT_ORCA_CHECK_ISOLATED=1
  ns=(unshare --pid --fork --mount-proc)
  if ! "${ns[@]}" true 2>/dev/null; then
    # In a chroot whose root is no mount point, unshare cannot make the
    # mounts private; a private /proc needs nothing more.
    if [ "$(findmnt -no PROPAGATION /proc 2>/dev/null)" = private ] &&
      "${ns[@]}" --propagation unchanged true 2>/dev/null; then
      ns+=(--propagation unchanged)
    elif unshare --user --map-root-user --pid --fork --mount-proc true 2>/dev/null; then
      ns=(unshare --user --map-root-user --pid --fork --mount-proc)
    else
      echo "FAIL: cannot give the test a PID namespace of its own (unshare)" >&2
      exit 1
    fi
  fi
  exec "${ns[@]}" bash "$0" "$prog" "$work" "$facts"
fi

caption=$(QT_QPA_PLATFORM=offscreen "$facts" | head -n 1)
[ -n "$caption" ] || { echo "FAIL: no caption from $facts" >&2; exit 1; }

fifo=$(mktemp -u); mkfifo "$fifo"
Xvfb -displayfd 4 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 4>"$fifo" 2>/dev/null &
xvfb=$!
read -r num <"$fifo"; rm -f "$fifo"
export DISPLAY=:$num
trap 'kill $xvfb 2>/dev/null; wait 2>/dev/null' EXIT
export PYTHONIOENCODING=utf-8
# Debian's python3-gi and Orca serve Debian's python3, whatever comes first in PATH.
dbus-run-session -- /usr/bin/python3 "$here/orca_check.py" "$prog" "$work" "$caption"
