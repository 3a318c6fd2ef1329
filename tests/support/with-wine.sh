#!/bin/sh
# Runs a command with a new, private Wine prefix, then stops Wine's server. Run it on a
# desktop (with-desktop.sh): Windows programs show their windows on the X server.
set -u
WINEPREFIX=$(mktemp -d /tmp/trundlex-wine.XXXXXX)
# Silent: no offer to install .NET or the HTML engine, none of Wine's own log.
WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
export WINEPREFIX WINEDLLOVERRIDES WINEDEBUG
wineboot --init >/dev/null 2>&1
TRUNDLEX_DESKTOP=wine "$@"
status=$?
wineserver --kill
rm -rf "$WINEPREFIX"
exit $status
