#!/usr/bin/env bash
# The real game under a private X server: its window, a mouse press on a gap, the computer's
# answer on screen, a second press made while that answer blinks, a second start, a menu choice,
# leaving through File > Exit and the settings file it leaves, and again after an end by a signal
# and by the X server's end.
# Skips (77) only when there is no Xvfb.
set -euo pipefail

binary=$1

tools=(xdotool xwininfo import convert)
source "$(dirname "$0")/game_session.sh"

# The game keeps its settings beside the program when it can: a copy in a folder of the test's
# own starts from a prepared file, which is read back after the exit.
mkdir "$work/bin"
cp "$binary" "$work/bin/pennix"
printf '[Options]\nLevel=Easy\nSpeed=Slow\n[Score]\nYou= 5\nMe= 2\n' >"$work/bin/pennix.ini"

# No program to open web addresses on its PATH: its link's failure is told at once.
PATH=/nonexistent "$work/bin/pennix" >"$work/game.log" 2>&1 &
game_pid=$!
eventually find_game_window || fail "no window titled 'The game of Pennix'"

window_geometry "$window"
[ "$win_width" -eq 390 ] || fail "window is $win_width pixels wide, not 390"
[ "$win_height" -gt 385 ] || fail "window is $win_height pixels high: no room for the menu bar"
[ "$win_left" -eq $(((1024 - win_width) / 2)) ] ||
    fail "window is not centred across: left $win_left"
[ "$win_top" -eq $(((768 - win_height) / 2)) ] || fail "window is not centred down: top $win_top"
[ "$(xdotool getwindowname "$window")" = "The game of Pennix" ] || fail "wrong caption"

# The first paint needs no image-format plugin: a start-up that loads one has begun to guess
# picture formats again (it costs milliseconds and megabytes before the window shows).
if grep -q '/imageformats/' "/proc/$game_pid/maps"; then
    fail "an image-format plugin was loaded at start-up: $(grep -o '[^/]*imageformats/[^ ]*' "/proc/$game_pid/maps" | sort -u | tr '\n' ' ')"
fi

# The board area sits under the menu bar, 385 pixels high.
find_board

# Counts the pixels of one colour in the board's dot grid.
count_on_board() {
    import -window root -crop "390x300+$board_left+$board_top" "$work/board.png"
    convert "$work/board.png" -format %c histogram:info:- |
        awk -v colour="$1" '$0 ~ colour { sum += $1 } END { print sum + 0 }'
}

# The window may be mapped a moment before it is painted.
painted() { [ "$(count_on_board '#C0FFC0')" -gt 100000 ]; }
eventually painted || fail "the board's light green never appeared"
[ "$(count_on_board '#000000')" -eq 0 ] || fail "the new board already shows walls"
[ "$(count_on_board '#0000FF')" -gt 99 ] || fail "the dots are missing"

# A press in the gap between dots 0 and 1: the player's wall and the computer's answer, which
# blinks for two seconds at the Slow speed. A press between dots 2 and 3 meanwhile waits for the
# answer to end and is then played like any other: four bars of 23 x 5 pixels in all, or two
# when the computer happened to draw that second wall itself. (Had the press come after the
# answer, the result would be the same.)
xdotool mousemove "$((board_left + 52))" "$((board_top + 28))" click 1
sleep 0.3
xdotool mousemove "$((board_left + 116))" "$((board_top + 28))" click 1
both_played() {
    local black
    black=$(count_on_board '#000000')
    [ "$(pixel_at 116 28)" = "#000000" ] && { [ "$black" -eq 460 ] || [ "$black" -eq 230 ]; }
}
eventually both_played || fail "the press made during the answer was lost, or the walls are wrong: $(count_on_board '#000000') black pixels"
[ "$(pixel_at 52 28)" = "#000000" ] || fail "the first pressed gap shows no wall"

# A second start while the game is open brings that game forward and ends: two games would each
# save over the other's match score. The second answer may still be blinking: the start is then
# answered once it is over, and may say meanwhile that it waits.
second_status=0
second_output=$(timeout 20 "$work/bin/pennix" 2>&1) || second_status=$?
[ "$second_status" -eq 0 ] || fail "a second start ended with status $second_status: $second_output"
grep -qvx -e 'pennix: the game is open already; its window comes forward' \
    -e 'pennix: the open game does not answer yet; waiting for it' <<<"$second_output" &&
    fail "a second start said: $second_output"
[ "$(tail -n 1 <<<"$second_output")" = "pennix: the game is open already; its window comes forward" ] ||
    fail "a second start said: $second_output"
[ "$(xdotool search --onlyvisible --name '^The game of Pennix$' | wc -l)" -eq 1 ] ||
    fail "a second start left a second window"
kill -0 "$game_pid" 2>/dev/null || fail "a second start ended the first game"

# Waits for the program to end, which it must do normally; $1 says what ended it.
await_normal_end() {
    await_game_end || fail "$1 did not end the program"
    [ "$game_status" -eq 0 ] || fail "after $1 the program ended with status $game_status"
}

settings_are() {
    local expected
    expected=$(printf '[Options]\nLevel=Easy\nSpeed=%s\n[Score]\nYou= 5\nMe= 2\n[Message]\nText=Hello, world!\n' "$2")
    [ "$(cat "$work/bin/pennix.ini")" = "$expected" ] ||
        fail "the settings file after $1 is not as expected: $(cat -A "$work/bin/pennix.ini")"
}

# Fast: the choice the settings file must keep. Help > About by its access keys, closed with
# Enter, and the message that the link under the board could not be opened, closed with Enter:
# with no window manager to hand the keyboard back, the game takes it back itself each time, and
# File > Exit by its access keys then ends the program.
choose_speed 2
xdotool key --clearmodifiers alt+h
eventually windows_open 2 || fail "the Help menu did not open"
xdotool key Down Down Return
find_about() { about=$(xdotool search --onlyvisible --name '^About Pennix$' | head -1); [ -n "$about" ]; }
eventually find_about || fail "Help > About the game opened no window"
# A small window ($1, called $2 when it fails) is centred over the game's window, though nothing
# frames either.
centred_over_game() {
    window_geometry "$window"
    local game_x=$((win_left + win_width / 2)) game_y=$((win_top + win_height / 2))
    window_geometry "$1"
    local x=$((win_left + win_width / 2)) y=$((win_top + win_height / 2))
    ((game_x - x <= 2 && x - game_x <= 2 && game_y - y <= 2 && y - game_y <= 2)) ||
        fail "$2 is centred at $x,$y, the game's window at $game_x,$game_y"
}
centred_over_game "$about" "the About window"
xdotool key Return
eventually windows_open 1 || fail "Enter did not close the About window"
xdotool key --clearmodifiers alt+f
eventually windows_open 2 || fail "once the About window had closed, the game took no keys"
xdotool key Escape
eventually windows_open 1 || fail "Escape did not close the File menu"
# The pointer leaves the window after the click: with the keyboard given to no window, keys go
# to the one under the pointer.
xdotool mousemove "$((board_left + 130))" "$((board_top + 368))" click 1 mousemove 0 0
find_message() { message=$(xdotool search --onlyvisible --name '^Pennix$' | head -1); [ -n "$message" ]; }
eventually find_message || fail "the link that could not be opened did not say so"
centred_over_game "$message" "the link's message"
xdotool key Return
eventually windows_open 1 || fail "Enter did not close the link's message"
xdotool key --clearmodifiers alt+f
eventually windows_open 2 || fail "once the link's message had closed, the game took no keys"
xdotool key x
await_normal_end "File > Exit"
settings_are "File > Exit" Fast
[ ! -e "$work/config/pennix" ] || fail "settings were written to the user's folder as well"

# Ended from outside, as a logout ends it, the game saves as File > Exit does. Started as nohup
# starts a program, it outlives a hang-up.
(
    trap '' HUP CHLD
    exec "$work/bin/pennix" >"$work/game.log" 2>&1
) &
game_pid=$!
eventually find_game_window || fail "no window on the second start"
# SIGCHLD ignored by whoever started it is not the game's to keep: it must learn how the
# programs it starts (the browser behind a link) end.
ignored=$(awk '/^SigIgn/ { print $2 }' "/proc/$game_pid/status")
(((0x$ignored >> (17 - 1)) & 1)) && fail "the game kept SIGCHLD ignored"
choose_speed 1
kill -HUP "$game_pid"
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || fail "a hang-up ended a game started with hang-ups ignored"
kill -TERM "$game_pid"
await_normal_end "SIGTERM"
settings_are "SIGTERM" Medium
# A session's end sends SIGTERM and SIGHUP at once (held back here by a stop, so that they
# surely arrive together): one request, which saves as the first did.
"$work/bin/pennix" >"$work/game.log" 2>&1 &
game_pid=$!
eventually find_game_window || fail "no window on the start that is stopped"
choose_speed 2
kill -STOP "$game_pid"
kill -TERM "$game_pid"
kill -HUP "$game_pid"
kill -CONT "$game_pid"
await_normal_end "SIGTERM and SIGHUP at once"
settings_are "SIGTERM and SIGHUP at once" Fast

# A copy in a folder whose name is not UTF-8 (Latin-1 "café") keeps its settings beside it too.
odd_folder="$work/caf"$'\xe9'
mkdir "$odd_folder"
cp "$work/bin/pennix" "$odd_folder/pennix"
"$odd_folder/pennix" >"$work/game.log" 2>&1 &
game_pid=$!
eventually find_game_window || fail "no window from a folder whose name is not UTF-8"
kill -TERM "$game_pid"
await_normal_end "SIGTERM to the game in a folder whose name is not UTF-8"
[ -f "$odd_folder/pennix.ini" ] || fail "the game in a folder whose name is not UTF-8 saved elsewhere"

# Closed during a Slow reply, the game saves once the reply is over (its blinking cut short); a
# start made meanwhile, whose call waits for the reply, is the game once that one has saved,
# rather than handing over to a window about to close.
"$work/bin/pennix" >"$work/game.log" 2>&1 &
game_pid=$!
eventually find_game_window || fail "no window on the start closed during a reply"
choose_speed 0
xdotool mousemove "$((board_left + 180))" "$((board_top + 28))" click 1
sleep 0.3
"$work/bin/pennix" >"$work/second.log" 2>&1 &
second_pid=$!
sleep 0.3
kill -TERM "$game_pid"
await_normal_end "SIGTERM during a reply"
game_pid=$second_pid
eventually find_game_window || fail "a start made while the game was closing opened no window"
kill -0 "$game_pid" 2>/dev/null ||
    fail "the start made while the game was closing ended: $(cat "$work/second.log")"
kill -TERM "$game_pid"
await_normal_end "SIGTERM to the game that waited for the one closing"

# A session that simply ends takes the X server away: Qt then ends the game with status 1, and
# the game saves all the same.
"$work/bin/pennix" >"$work/game.log" 2>&1 &
game_pid=$!
eventually find_game_window || fail "no window on the third start"
choose_speed 0
kill "$xvfb_pid"
await_game_end || fail "the game outlived its X server"
settings_are "the X server's end" Slow
echo "end-to-end: window, press, answer, menu choice, exit, ends by a signal and by the X server's, settings file all as expected"
