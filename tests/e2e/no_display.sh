#!/usr/bin/env bash
# Started where there is no display at all (a text console, ssh without X forwarding), the game
# says so in one line and ends with status 1, instead of aborting as Qt would.
set -uo pipefail

binary=$1
# A Wayland display alone is no display for a game that draws through X11.
output=$(env -u DISPLAY -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-0 "$binary" 2>&1)
status=$?
expected="pennix: no X display found (DISPLAY is not set); start it from a desktop session (on Wayland, one with XWayland)"
if [ "$status" -ne 1 ] || [ "$output" != "$expected" ]; then
    echo "FAIL: status $status, output:" >&2
    echo "$output" >&2
    exit 1
fi
# A display named on the command line is Qt's to reach (here one that does not exist).
ulimit -c 0 # Qt aborts when it cannot reach the display: no core files
for option in -display --display; do
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary" "$option" :64999 2>&1)
    if [[ $output != *":64999"* ]]; then
        echo "FAIL: $option :64999 did not reach Qt; output:" >&2
        echo "$output" >&2
        exit 1
    fi
done
echo "no display: one line and status 1; a display named by -display or --display is tried"
