#!/bin/sh
# Drives the game with xdotool and saves its windows into the folder given, on the
# X display of $DISPLAY.
set -eu
out=$1
build/src/trundlex &
game=$!
trap 'kill $game 2>/dev/null' EXIT

# The window with this title and client width; two screens are called "Maze".
window() {
    for _ in $(seq 100); do
        for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
            xwininfo -id "$id" | grep -q "Width: $2\$" && { echo "$id"; return; }
        done
        sleep 0.1
    done
    echo "no window $1" >&2
    exit 1
}
grab() { sleep 0.3; build/tools/grabwindow/grab-window "$1" "$out/$2.png"; }
keys() { for key in "$@"; do xdotool key --delay 60 "$key"; done; }

grab "$(window Maze 565)" splash
menu=$(window Maze 581)
grab "$menu" menu
xdotool windowactivate --sync "$menu" key alt+1
level=$(window "Maze - Level 1" 479)
xdotool windowactivate --sync "$level"
keys Left Left Left Left Left Left Down Down
grab "$level" level
keys Down Down Left Left Left Left Left Up Left Up Up Up Left
grab "$(window Congratulations 312)" won
