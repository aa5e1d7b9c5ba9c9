#!/usr/bin/env bash
# Thirty presses made during the computer's Slow reply, then File > Exit: the presses still waiting
# are dropped and the game saves and ends within the reply, instead of playing each of them out
# with a reply of its own (a minute or more) before the close is carried out.
# Skips (77) only when there is no Xvfb.
set -euo pipefail

binary=$1

tools=(xdotool xwininfo import convert)
source "$(dirname "$0")/game_session.sh"

copy_slow_game Genius
"$work/bin/pennix" >"$work/game.log" 2>&1 &
game_pid=$!
eventually find_game_window || fail "no window titled 'The game of Pennix'"
find_board
xdotool windowfocus --sync "$window"

xdotool mousemove "$((board_left + 52))" "$((board_top + 28))" click 1
eventually wall_at 52 28 || fail "the first press drew no wall"
for row in 2 3 4; do
    for column in 0 1 2 3 4 5 6 7 8 9; do
        xdotool mousemove "$((board_left + 52 + 32 * column))" "$((board_top + 28 + 32 * row))" click 1
    done
done
xdotool key --clearmodifiers alt+f
xdotool key x

await_game_end || fail "the close waited behind the presses made during the reply"
[ "$game_status" -eq 0 ] || fail "the game ended with status $game_status"
grep -q '^Text=Hello, world!' "$work/bin/pennix.ini" ||
    fail "the game did not save: $(cat -A "$work/bin/pennix.ini")"
grep -q '^You= 5' "$work/bin/pennix.ini" && grep -q '^Me= 2' "$work/bin/pennix.ini" ||
    fail "the match score changed: $(cat -A "$work/bin/pennix.ini")"
echo "end-to-end: a close after many presses during a reply drops them and saves at once"
