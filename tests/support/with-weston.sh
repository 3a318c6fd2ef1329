#!/bin/sh
# Runs a command against weston, a Wayland compositor, in a window of a private X server,
# then stops both. Keys, clicks and screenshots go through the X server.
set -u
dir=$(mktemp -d /tmp/trundlex-weston.XXXXXX)
mkdir -m 700 "$dir/runtime"
# No panel, no animations, no screen lock, and a white desktop that shows any see-through
# pixel.
cat >"$dir/weston.ini" <<'CONFIG'
[core]
idle-time=0
[shell]
panel-position=none
background-color=0xffffffff
animation=none
close-animation=none
startup-animation=none
focus-animation=none
CONFIG
# The X screen is a little larger than weston's window, so the pointer can leave it.
Xvfb -displayfd 3 -screen 0 1296x1040x24 -nolisten tcp 3>"$dir/display" 2>/dev/null &
server=$!
while [ ! -s "$dir/display" ]; do sleep 0.05; done
DISPLAY=:$(cat "$dir/display")
XDG_RUNTIME_DIR=$dir/runtime
export DISPLAY XDG_RUNTIME_DIR
weston --backend=x11-backend.so --use-pixman --width=1280 --height=1024 --socket=wayland-1 \
    --config="$dir/weston.ini" --debug >"$dir/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 200); do
    WAYLAND_DISPLAY=wayland-1 weston-debug scene-graph 2>/dev/null | grep -q 'background' && break
    sleep 0.05
done
WAYLAND_DISPLAY=wayland-1 TRUNDLEX_DESKTOP=weston QT_QPA_PLATFORM=xcb "$@"
status=$?
kill "$compositor" 2>/dev/null
wait "$compositor" 2>/dev/null
kill "$server" 2>/dev/null
wait 2>/dev/null
[ $status -eq 0 ] || cat "$dir/weston.log" >&2
rm -rf "$dir"
exit $status
