#!/usr/bin/env bash
# What a screen reader finds in the running calculator, read through AT-SPI,
# and a calculation typed into the real window under several locales, its
# outcome read back the same way.
#   dbus-run-session -- atspi_check.sh PROGRAM WORKDIR     (with DISPLAY set)
# The private session bus starts the accessibility bus (at-spi-bus-launcher)
# and its registry on demand; QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 makes Qt
# publish its tree without a screen reader asking for it.
set -euo pipefail
prog=$1 work=$2
here=$(cd "$(dirname "$0")" && pwd)
[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] || { echo "FAIL: no session bus: run under dbus-run-session" >&2; exit 1; }
export PYTHONIOENCODING=utf-8
app=bjt-calculator

fail() { echo "FAIL: $*" >&2; exit 1; }
# Debian's python3-gi serves Debian's python3, whatever comes first in PATH.
tree() { /usr/bin/python3 "$here/atspi_tree.py" "$@"; }

pid= win=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; wait 2>/dev/null' EXIT
start() { # VAR=value ... for the program's environment
  env "$@" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$prog" >>"$work/atspi-out.txt" 2>&1 &
  pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) || fail "no window"
  xdotool windowfocus --sync "$win"
}
stop() {
  python3 "$here/close_window.py" "$win"
  timeout 10 tail --pid="$pid" -f /dev/null || fail "still running after close"
  wait "$pid" || fail "exit code $?"
  pid=
}
# Reads a control's text until it is the expected one (the window may still
# be updating), and fails with what it read otherwise: ROLE NAME EXPECTED.
expect_text() {
  local got=
  for _ in $(seq 20); do
    got=$(tree text "$app" "$1" "$2") || true
    case $got in $3) return 0 ;; esac
    sleep 0.25
  done
  fail "$where: $1 '$2' reads '$got', expected '$3'"
}

# The pictures are images, the circuit behind the other one not showing; the
# type options lie in their named group; the only frame is the window itself,
# as a screen reader would skip any other as an inactive window, and a window
# that is no frame has Orca name its title as the multipliers' group. Chosen
# from the keyboard, PNP brings its circuit to the front.
where="roles"
start
has() { grep -qxF -- "$2" <<<"$1" || fail "$where: no line '$2' in the tree:"$'\n'"$1"; }
shown=$(tree dump "$app" | sed 's/^ *//')
has "$shown" "image 'Circuito NPN'"
has "$shown" "image 'Circuito PNP' [not showing]"
has "$shown" "image 'Resistenza'"
has "$shown" "image 'Transistor'"
has "$shown" "panel 'Tipo di transistor'"
frames=$(grep '^frame' <<<"$shown" || true)
[ "$frames" = "frame '$(xdotool getwindowname "$win")'" ] || fail "$where: the frames in the tree are not the window alone:"$'\n'"$frames"
[ "$(tree dump "$app" | grep -A2 "panel 'Tipo di transistor'" | sed 's/^ *//' | tail -n 2 | paste -sd,)" = \
  "radio button 'NPN',radio button 'PNP'" ] || fail "$where: the type options are not in their group"
xdotool key --delay 50 Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Down
for _ in $(seq 20); do
  shown=$(tree dump "$app" | sed 's/^ *//')
  grep -qxF "image 'Circuito NPN' [not showing]" <<<"$shown" && break
  sleep 0.25
done
has "$shown" "image 'Circuito NPN' [not showing]"
has "$shown" "image 'Circuito PNP'"
echo "AT-SPI: images, the covered circuit not showing, the type options in their group; PNP chosen by key shows its circuit"
stop

# A calculation typed as a user types it, in the C locale and in Italian:
# collector voltage 12, collector current 5.5 (the point becomes a comma) in
# mA, Enter in the current box; gain 160, base 5 V and x 3 from the start.
for loc in C.UTF-8 it_IT.UTF-8; do
  where="typed under $loc"
  # Never passes without having run in the locale: it must be installed.
  locale -a | grep -qix "$(echo "$loc" | sed 's/UTF-8/utf-\\?8/')" ||
    fail "locale $loc is not installed (scripts/deps generates it)"
  start LANG=$loc LC_ALL=$loc
  xdotool type --delay 30 "12"
  xdotool key --delay 30 Tab Tab
  xdotool type --delay 30 "5.5"
  expect_text text "Corrente di Collettore" "5,5"
  xdotool key Return
  expect_text text "Resistenza di Collettore" "2182"
  expect_text label "resistenza di base:*" "resistenza di base: 41.748 Ohm*"
  echo "AT-SPI, $loc: resistance $(tree text "$app" text "Resistenza di Collettore"), $(tree text "$app" label "resistenza di base:*" | paste -sd' ')"
  stop
done
