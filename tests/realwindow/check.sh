#!/usr/bin/env bash
# Starts the calculator in a real X server (Xvfb) at scale 1 and at scale 2,
# as a user would meet it: one window with its caption and client size, sharp
# at twice the size, and a clean exit when the window is closed (each start
# through open_and_close.sh, which the fresh-machine check uses too). Then reads
# it as a screen reader does, on a private D-Bus session (atspi_check.sh).
# WINDOW_FACTS prints the caption and client size the window is made with
# (windowFacts.cpp).
#   check.sh PROGRAM WORKDIR WINDOW_FACTS
set -euo pipefail
prog=$1 work=$2 facts=$3
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

{ read -r caption && read -r width && read -r height; } < <(QT_QPA_PLATFORM=offscreen "$facts") ||
  fail "no caption and size from $facts"
[ -n "$caption" ] && [ "$width" -gt 0 ] && [ "$height" -gt 0 ] ||
  fail "no caption and size from $facts: '$caption' ${width}x$height"

fifo=$(mktemp -u); mkfifo "$fifo"
Xvfb -displayfd 4 -screen 0 1600x1200x24 -dpi 96 -nolisten tcp 4>"$fifo" 2>/dev/null &
xvfb=$!
read -r num <"$fifo"; rm -f "$fifo"
export DISPLAY=:$num
trap 'kill $xvfb 2>/dev/null; wait 2>/dev/null' EXIT

for scale in 1 2; do
  shown=$(bash "$here/open_and_close.sh" --capture "$work/window-$scale.png" "$work/out-$scale.txt" \
    env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale "$prog") || fail "scale $scale: see above"
  read -r _ shown_width shown_height name <<<"$shown"
  [ "$name" = "$caption" ] || fail "scale $scale: caption '$name'"
  [ "$shown_width" -eq $((width * scale)) ] && [ "$shown_height" -eq $((height * scale)) ] ||
    fail "scale $scale: client size ${shown_width}x$shown_height"
  echo "scale $scale: one window '$name', ${shown_width}x$shown_height, exit code 0"
done

# At scale 2 the circuit picture and the title are drawn anew at twice the
# pixels, not enlarged from scale 1: they must differ clearly both from the
# scale-1 capture blown up pixel by pixel and from it enlarged smoothly.
sharp() { # a region at scale 1: x y w h
  convert "$work/window-2.png" -crop "$(($3 * 2))x$(($4 * 2))+$(($1 * 2))+$(($2 * 2))" +repage "$work/drawn.png"
  total=$(($3 * $4 * 4))
  for enlarge in -sample -resize; do
    convert "$work/window-1.png" -crop "$3x$4+$1+$2" +repage "$enlarge" 200% "$work/enlarged.png"
    differing=$(compare -metric AE -fuzz 15% "$work/enlarged.png" "$work/drawn.png" null: 2>&1 || true)
    echo "region $*: $differing of $total pixels differ from the scale-1 capture enlarged with $enlarge"
    [ "$((differing * 100))" -ge "$((total * 4))" ] || fail "region $* looks enlarged, not redrawn"
  done
}
sharp 322 66 175 125 # the NPN circuit
sharp 24 28 569 25    # the title

# What a screen reader reads, and a calculation typed under the C and the
# Italian locale, read back through AT-SPI.
dbus-run-session -- bash "$here/atspi_check.sh" "$prog" "$work"
