#!/usr/bin/env bash
# Starts a program on the X server in DISPLAY, waits for its one window, asks
# that window to close as a window manager's close button does
# (close_window.py) and expects exit status 0. Prints "WINDOW WIDTH HEIGHT
# CAPTION" of the window. The program's output goes to LOG; --capture saves
# the window as shown first. The real-window test and the fresh-machine check
# (scripts/fresh-check-root) both use it.
#   open_and_close.sh [--capture IMAGE] LOG COMMAND...
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
capture=
if [ "${1:-}" = --capture ]; then capture=$2; shift 2; fi
log=$1 name=$(basename "${!#}")
shift

fail() { echo "FAIL: $*" >&2; exit 1; }

"$@" >"$log" 2>&1 &
app=$!
trap 'kill "$app" 2>/dev/null || true' EXIT

windows=$(timeout 60 xdotool search --sync --onlyvisible --pid "$app" || true)
if [ -z "$windows" ]; then
  if kill -0 "$app" 2>/dev/null; then fail "$name showed no window within 60 s"; fi
  status=0
  wait "$app" || status=$?
  fail "$name ended with exit status $status without showing a window"
fi
[ "$(wc -l <<<"$windows")" -eq 1 ] || fail "$name showed more than one window: $windows"
window=$windows
caption=$(xdotool getwindowname "$window")
eval "$(xdotool getwindowgeometry --shell "$window")" # WIDTH, HEIGHT and the position
if [ -n "$capture" ]; then
  sleep 0.5 # the first frame follows the map
  import -window "$window" "$capture"
fi

python3 "$here/close_window.py" "$window"
timeout 30 tail --pid="$app" -f /dev/null || fail "$name still runs 30 s after its window was asked to close"
status=0
wait "$app" || status=$?
trap - EXIT
[ "$status" -eq 0 ] || fail "$name ended with exit status $status when its window was closed"
echo "$window $WIDTH $HEIGHT $caption"
