#!/usr/bin/env bash
# Started where there is no display at all (a text console, ssh without X forwarding), or one
# that cannot be reached, the game says so and ends with status 1, instead of aborting as Qt would.
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
# A display that cannot be reached, named in DISPLAY or on the command line (where Qt reads it):
# Qt names it, and the game ends with one line of its own and status 1 instead of aborting.
unreachable="pennix: no display could be opened (the reason is above); start it from a desktop session"
ulimit -c 0 # were it to abort, no core files
for way in "DISPLAY=:64999" "-display :64999" "--display :64999"; do
    if [[ $way == DISPLAY=* ]]; then
        output=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$way" "$binary" 2>&1)
    else
        # shellcheck disable=SC2086 # the option and its value are two words
        output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary" $way 2>&1)
    fi
    status=$?
    if [ "$status" -ne 1 ] || [[ $output != *":64999"* ]] || [[ $output != *"$unreachable" ]]; then
        echo "FAIL: with $way, status $status, output:" >&2
        echo "$output" >&2
        exit 1
    fi
done
echo "no display, or one that cannot be reached: one line of the game's and status 1"
