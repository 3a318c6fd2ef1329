#!/bin/sh
# Runs a command against sway, a Wayland compositor, without a screen, then stops it.
# sway will not run as root: run as root, it runs as the user nobody.
set -u
dir=$(mktemp -d /tmp/trundlex-sway.XXXXXX)
mkdir -m 700 "$dir/runtime"
# A white desktop shows any see-through pixel; floating windows keep their own size.
cat >"$dir/config" <<'CONFIG'
output HEADLESS-1 resolution 1280x1024 bg #FFFFFF solid_color
for_window [app_id=".*"] floating enable
CONFIG
as_user=""
if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$dir"
    as_user="setpriv --reuid=65534 --regid=65534 --clear-groups"
fi
XDG_RUNTIME_DIR=$dir/runtime HOME=$dir WLR_BACKENDS=headless WLR_RENDERER=pixman \
    WLR_LIBINPUT_NO_DEVICES=1 $as_user sway -c "$dir/config" >"$dir/sway.log" 2>&1 &
compositor=$!
for _ in $(seq 200); do
    [ -S "$dir/runtime/wayland-1" ] && ls "$dir"/runtime/sway-ipc.*.sock >/dev/null 2>&1 && break
    sleep 0.05
done
WAYLAND_DISPLAY=$dir/runtime/wayland-1
SWAYSOCK=$(ls "$dir"/runtime/sway-ipc.*.sock)
export WAYLAND_DISPLAY SWAYSOCK
# One virtual keyboard for the whole run: each call of wtype adds a keyboard of its own for
# a moment, and a key sent while the keyboards change can be lost.
wtype -s 3600000 &
keyboard=$!
TRUNDLEX_DESKTOP=sway QT_QPA_PLATFORM=offscreen "$@"
status=$?
kill "$keyboard" "$compositor" 2>/dev/null
wait 2>/dev/null
[ $status -eq 0 ] || cat "$dir/sway.log" >&2
rm -rf "$dir"
exit $status
