#!/bin/sh
# Runs a command on a private X server with a small window manager, then stops both. The
# screen is 1280 x 1024 pixels unless TRUNDLEX_SCREEN gives another size, as 1920x1200.
set -u
Xvfb -displayfd 3 -screen 0 "${TRUNDLEX_SCREEN:-1280x1024}x24" -nolisten tcp 3>/tmp/trundlex-display.$$ 2>/dev/null &
server=$!
while [ ! -s /tmp/trundlex-display.$$ ]; do sleep 0.05; done
DISPLAY=:$(cat /tmp/trundlex-display.$$)
# No session bus: a program that asks for one finds none, rather than starting its own
# for the display (with-screen-reader.sh brings one).
DBUS_SESSION_BUS_ADDRESS=disabled:
export DISPLAY DBUS_SESSION_BUS_ADDRESS
rm -f /tmp/trundlex-display.$$
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
# Wait until the window manager has taken over the screen.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
"$@"
status=$?
kill "$manager" "$server" 2>/dev/null
wait 2>/dev/null
exit $status
