#!/usr/bin/env bash
# Starts made during the computer's Slow reply, under a window manager. With no close to follow,
# the start brings the window forward once the reply is over. With the close box's request (Alt+F4
# here) made during the reply, the close waits in the window's queue with its other input until
# the reply ends; the start must not be told that the window comes forward, as the window then
# went and no game was left: it waits until the open game has saved, and is then the game. Both
# with GLib's event loop, which Qt uses by default, and with Qt's own.
# Skips (77) only when there is no Xvfb.
set -euo pipefail

binary=$1

tools=(xdotool xwininfo xprop import convert openbox)
source "$(dirname "$0")/game_session.sh"

copy_slow_game Hard
start_openbox

# Starts the game, with any environment given, and waits for its window.
start_game() {
    env "$@" "$work/bin/pennix" >"$work/game.log" 2>&1 &
    game_pid=$!
    eventually find_game_window || fail "no window titled 'The game of Pennix'"
    xdotool windowactivate --sync "$window"
    find_board
}

# A press on a free gap of the top row; once its wall shows, the reply has begun, and lasts two
# seconds at the Slow speed (the computer's first walls complete no box).
press_a_free_gap() {
    local left
    for left in 52 116 180 244 308; do
        if ! wall_at "$left" 28; then
            xdotool mousemove "$((board_left + left))" "$((board_top + 28))" click 1
            eventually wall_at "$left" 28 || fail "the press at $left, 28 drew no wall"
            return
        fi
    done
    fail "no free gap left on the top row"
}

# Alt+F4 during a reply, and a start: the game closes after the reply, and the start is the game.
close_then_start() {
    sed -i '/^\[Message\]/,$d' "$work/bin/pennix.ini"
    press_a_free_gap
    xdotool key --clearmodifiers alt+F4
    "$work/bin/pennix" >"$work/start.log" 2>&1 &
    local start_pid=$!
    await_game_end || fail "the game did not close after its reply"
    [ "$game_status" -eq 0 ] || fail "the closed game ended with status $game_status"
    game_pid=$start_pid
    grep -q '^Text=Hello, world!' "$work/bin/pennix.ini" ||
        fail "the closed game did not save: $(cat -A "$work/bin/pennix.ini")"
    eventually find_game_window ||
        fail "the start made during the close opened no window: $(cat "$work/start.log")"
    kill -0 "$start_pid" 2>/dev/null ||
        fail "the start made during the close ended: $(cat "$work/start.log")"
}

start_game
press_a_free_gap
start_status=0
start_output=$(timeout 60 "$work/bin/pennix" 2>&1) || start_status=$?
[ "$start_status" -eq 0 ] || fail "a start during the reply ended with status $start_status"
[ "$(tail -n 1 <<<"$start_output")" = "pennix: the game is open already; its window comes forward" ] ||
    fail "a start during the reply said: $start_output"
kill -0 "$game_pid" 2>/dev/null || fail "a start during the reply ended the game"
close_then_start

# Qt's own event loop, rather than GLib's, takes a start's call before the X server's events of
# the same pass: the close waiting there must still come first.
kill -TERM "$game_pid"
await_game_end || fail "SIGTERM did not end the game"
start_game QT_NO_GLIB=1
close_then_start
echo "end-to-end: a start during a reply comes to the window, or is the game once a close is done"
