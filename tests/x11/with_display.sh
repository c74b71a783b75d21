#!/bin/sh
# SPDX-License-Identifier: MIT
# Runs a command on a desktop of its own: a virtual X server with a window
# manager (openbox), as a user's desktop places, frames and closes windows.
# Exits 77 (skipped) where Xvfb or openbox is missing.
# usage: with_display.sh WIDTHxHEIGHT COMMAND [ARGUMENT...]
set -eu
size=$1
shift
for tool in Xvfb openbox wmctrl xdotool xwininfo xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "with_display.sh: $tool is not installed; ./run test installs it" >&2
        exit 77
    fi
done

# The first display number that no server holds.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
scratch=$(mktemp -d)
server=""
manager=""
cleanup() {
    [ -n "$manager" ] && kill "$manager" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT INT TERM

Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp -noreset >"$scratch/server.log" 2>&1 &
server=$!
export DISPLAY=":$display"
tries=0
until xdotool getdisplaygeometry >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$server" 2>/dev/null; then
        cat "$scratch/server.log" >&2
        echo "with_display.sh: the X server did not start" >&2
        exit 1
    fi
    sleep 0.1
done
HOME=$scratch openbox >"$scratch/manager.log" 2>&1 &
manager=$!
tries=0
until wmctrl -m >/dev/null 2>&1; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        cat "$scratch/manager.log" >&2
        echo "with_display.sh: the window manager did not start" >&2
        exit 1
    fi
    sleep 0.1
done
unset QT_QPA_PLATFORM
"$@"
