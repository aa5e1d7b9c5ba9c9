#!/usr/bin/env bash
# File > Exit chosen during the computer's Slow reply, with a press made after it, before the reply
# has ended: the game must save and end, and open nothing on the way out. Only a real X server
# queues the keys and the press behind the reply as a player's would be, and then delivers the
# press to the window that has just closed. There a press on the board started another reply and
# a press on the link its failure message; either runs an event loop of its own, which throws away
# the application's pending quit, and left a program without a window that the termination
# signals no longer end.
# Skips (77) only when there is no Xvfb.
set -euo pipefail

binary=$1

tools=(xdotool xwininfo)
# A game caught by the fault no longer ends on SIGTERM.
game_end_signal=KILL
source "$(dirname "$0")/game_session.sh"

mkdir "$work/bin" "$work/no-programs"
cp "$binary" "$work/bin/pennix"

# Starts the game with the given PATH, presses a gap, chooses File > Exit by its access keys
# while the computer's answer blinks (Slow: two seconds), then presses at the given point of the
# board; all of it waits for the reply to end. The game must then save and end.
exit_then_press() {
    local path=$1 x=$2 y=$3 what=$4
    # Only a save writes the [Message] line.
    printf '[Options]\r\nLevel=Genius\r\nSpeed=Slow\r\n[Score]\r\nYou= 5\r\nMe= 2\r\n' \
        >"$work/bin/pennix.ini"
    PATH=$path "$work/bin/pennix" >"$work/game.log" 2>&1 &
    game_pid=$!
    eventually find_game_window || fail "no window titled 'The game of Pennix'"
    find_board

    xdotool windowfocus --sync "$window"
    xdotool mousemove "$((board_left + 52))" "$((board_top + 28))" click 1
    sleep 0.3
    xdotool key --clearmodifiers alt+f
    xdotool key x
    xdotool mousemove "$((board_left + x))" "$((board_top + y))" click 1

    await_game_end || fail "File > Exit chosen during a reply, followed by $what, did not end the program"
    [ "$game_status" -eq 0 ] || fail "after File > Exit and $what the program ended with status $game_status"
    if ! grep -q '^Speed=Slow' "$work/bin/pennix.ini" ||
        ! grep -q '^Text=Hello, world!' "$work/bin/pennix.ini"; then
        fail "the settings file was not saved: $(cat -A "$work/bin/pennix.ini")"
    fi
}

# A press on a free gap, which would start another reply.
exit_then_press "$PATH" 180 124 "a press on the board"
# A press on the link, where no program can open it: its message would open on the way out.
exit_then_press "$work/no-programs" 150 368 "a press on the link"
echo "end-to-end: File > Exit during a reply, with a press after it, saves and ends"
