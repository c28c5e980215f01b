#!/usr/bin/env bash
# Starts the calculator on a headless Weston (pixman renderer, a private
# runtime directory) as a Wayland client, the way a Wayland desktop starts it,
# and reads what it asked of the compositor from the client's protocol log:
# one top-level window named after the desktop file, of a fixed size (its
# least and greatest sizes equal), a surface committed with a buffer, and the
# program still running after a few seconds.
# WINDOW_FACTS prints the window's caption and client size
# (tests/realwindow/windowFacts.cpp).
#   check.sh PROGRAM APP_ID WINDOW_FACTS WORKDIR
set -euo pipefail
prog=$1 app_id=$2 facts=$3 work=$4
mkdir -p "$work"
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
{ read -r _caption && read -r width && read -r height; } < <(QT_QPA_PLATFORM=offscreen "$facts") ||
  fail "no size from $facts"
[ "$width" -gt 0 ] && [ "$height" -gt 0 ] || fail "no size from $facts: ${width}x$height"

runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid= app=
trap '[ -n "$app" ] && kill $app 2>/dev/null; [ -n "$weston_pid" ] && kill $weston_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT

# Weston 10 (Debian 12) names its back end by module and has --use-pixman;
# Weston 14 (Debian 13) names it plainly and chooses the renderer.
if weston --help 2>&1 | grep -q -- '--renderer='; then
  options=(--backend=headless --renderer=pixman)
else
  options=(--backend=headless-backend.so --use-pixman)
fi
XDG_RUNTIME_DIR=$runtime weston "${options[@]}" --socket=wayland-test --idle-time=0 \
  --width=1280 --height=1024 >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/wayland-test" ] && break
  kill -0 $weston_pid 2>/dev/null || fail "weston ended: $(tail -n 5 "$work/weston.log")"
  sleep 0.1
done
[ -S "$runtime/wayland-test" ] || fail "weston made no socket in 10 s"

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
  "$prog" >"$work/program.out" 2>"$work/protocol.log" &
app=$!
sleep 4
kill -0 $app 2>/dev/null || fail "the program ended: $(grep -v '^\[' "$work/protocol.log" | tail -n 5)"
log=$work/protocol.log
# Objects are named interface@id, or interface#id by newer libwayland.
o='[@#]'

# The surface of the top-level window and the window itself.
xdg_surface=$(sed -n "s/.*get_xdg_surface(new id xdg_surface$o\([0-9]*\), wl_surface$o\([0-9]*\)).*/\1 \2/p" "$log")
[ "$(printf '%s\n' "$xdg_surface" | grep -c .)" -eq 1 ] || fail "expected one window surface, got: $xdg_surface"
read -r xdg surface <<<"$xdg_surface"
toplevel=$(sed -n "s/.*xdg_surface$o$xdg\.get_toplevel(new id xdg_toplevel$o\([0-9]*\)).*/\1/p" "$log")
[ -n "$toplevel" ] || fail "the window surface is no top-level window"

grep -q "xdg_toplevel$o$toplevel\.set_app_id(\"$app_id\")" "$log" ||
  fail "app id: $(grep -o "xdg_toplevel$o$toplevel\.set_app_id(.*)" "$log" || echo none)"
# The least and greatest sizes are equal, first the client area's and then,
# where Qt draws the window's frame itself (Qt 6.8 on Weston), the client area
# with that frame around it.
sizes() { grep -o "xdg_toplevel$o$toplevel\.set_$1_size([0-9]*, [0-9]*)" "$log" | grep -o '[0-9]*, [0-9]*'; }
[ "$(sizes min)" = "$(sizes max)" ] || fail "least sizes $(sizes min | tr '\n' ' '), greatest $(sizes max | tr '\n' ' ')"
[ "$(sizes min | head -n 1)" = "$width, $height" ] || fail "first size $(sizes min | head -n 1), not $width, $height"
read -r framed_width framed_height <<<"$(sizes min | tail -n 1 | tr -d ,)"
((framed_width >= width && framed_width <= width + 16 && framed_height >= height &&
  framed_height <= height + 48)) || fail "framed size ${framed_width}x$framed_height"
grep -q "xdg_surface$o$xdg\.configure(" "$log" || fail "the compositor never configured the window"
grep -q "wl_surface$o$surface\.attach(wl_buffer$o" "$log" || fail "no buffer attached to the window"
sed -n "/wl_surface$o$surface\.attach(wl_buffer$o/,\$p" "$log" | grep -q "wl_surface$o$surface\.commit()" ||
  fail "the buffer was never committed"
! grep -q "xdg_toplevel$o$toplevel\.destroy()" "$log" || fail "the window was closed"
echo "app id $app_id, fixed size ${width}x$height, a buffer committed, still running after 4 s"
