#!/bin/sh
# Runs a command with the Orca screen reader listening, on the X display of $DISPLAY (see
# with-desktop.sh), in a private session bus with the accessibility bus, then stops them.
# What Orca speaks goes, time-stamped, into the file $TRUNDLEX_SPEECH_LOG names, as lines
# "HH:MM:SS.micro - SPEECH OUTPUT: '...'", as soon as it is said; no sound device is needed.
set -u
if [ "${1:-}" != --inside ]; then
    dir=$(mktemp -d /tmp/trundlex-orca.XXXXXX)
    mkdir -m 700 "$dir/runtime"
    # Orca writes its log through Python's open(): line by line, instead of in blocks.
    cat >"$dir/sitecustomize.py" <<'PYTHON'
import builtins, os
_open = builtins.open
def _line_buffered(file, mode="r", buffering=-1, *rest, **named):
    if str(file) == os.environ.get("TRUNDLEX_SPEECH_LOG") and "w" in mode:
        buffering = 1
    return _open(file, mode, buffering, *rest, **named)
builtins.open = _line_buffered
PYTHON
    # Orca starts speech-dispatcher, which wants a sound device: one that plays nothing.
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$dir/.asoundrc"
    HOME=$dir XDG_RUNTIME_DIR=$dir/runtime XDG_CONFIG_HOME=$dir/config \
        TRUNDLEX_SPEECH_LOG=$dir/speech.log TRUNDLEX_ORCA_DIR=$dir \
        dbus-run-session -- sh "$0" --inside "$@"
    status=$?
    rm -rf "$dir"
    exit $status
fi
shift
export TRUNDLEX_SPEECH_LOG
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
gsettings set org.gnome.desktop.a11y.applications screen-reader-enabled true
gsettings set org.gnome.desktop.interface toolkit-accessibility true
PYTHONPATH=$TRUNDLEX_ORCA_DIR orca -u "$TRUNDLEX_ORCA_DIR/orca" \
    --debug-file="$TRUNDLEX_SPEECH_LOG" >"$TRUNDLEX_ORCA_DIR/orca.out" 2>&1 &
orca=$!
for _ in $(seq 300); do
    grep -q 'Starting ATSPI registry' "$TRUNDLEX_SPEECH_LOG" 2>/dev/null && break
    sleep 0.05
done
QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
status=$?
kill -9 $orca 2>/dev/null; kill $bus 2>/dev/null
wait 2>/dev/null
exit $status
