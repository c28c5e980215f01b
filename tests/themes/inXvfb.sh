#!/usr/bin/env bash
# Runs a test program in a private X server, where the platform theme a
# desktop's environment names (KDE's, qt6ct) is loaded as in a session.
#   inXvfb.sh PROGRAM [ARG...]
set -euo pipefail
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 4 -screen 0 1600x1200x24 -dpi 96 -nolisten tcp 4>"$fifo" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait 2>/dev/null' EXIT
read -r num <"$fifo"
rm -f "$fifo"
DISPLAY=:$num QT_QPA_PLATFORM=xcb "$@"
