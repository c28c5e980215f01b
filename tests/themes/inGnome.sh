#!/usr/bin/env bash
# Runs a test program as on a GNOME desktop whose user prefers dark: on a
# private session bus where the settings portal says so (settingsPortal.py),
# with GTK's dark Adwaita, in a private X server (inXvfb.sh).
#   inGnome.sh PROGRAM [ARG...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${IN_PRIVATE_BUS:-}" ]; then
  IN_PRIVATE_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
fifo=$(mktemp -u)
mkfifo "$fifo"
# Debian's python3-gi serves Debian's python3, whatever comes first in PATH.
/usr/bin/python3 "$here/settingsPortal.py" >"$fifo" &
portal=$!
trap 'kill $portal 2>/dev/null; wait 2>/dev/null' EXIT
read -r ready <"$fifo"
rm -f "$fifo"
[ "$ready" = ready ] || { echo "the settings portal did not start" >&2; exit 1; }
XDG_CURRENT_DESKTOP=GNOME GTK_THEME=Adwaita:dark bash "$here/inXvfb.sh" "$@"
