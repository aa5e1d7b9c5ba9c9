#!/usr/bin/env bash
# What a player sees of the computer's turn, and a whole game played with the keyboard alone: the
# walls of a Fast reply stay marked in vermilion; under a Slow reply the pointer shows the game
# busy and the marks are gone with the player's wall, and both come back as they were once it is
# over; arrow keys and Enter then draw every wall, and the match is credited at the exit.
# Skips (77) only when there is no Xvfb.
set -euo pipefail

binary=$1

tools=(xdotool xwininfo import convert)
source "$(dirname "$0")/game_session.sh"
probe() { /usr/bin/python3 "$(dirname "$0")/screen_probe.py" "$@"; }
probe cursor >/dev/null || fail "python3-xlib is missing; scripts/install-deps installs it"

copy_slow_game Easy
sed -i 's/^Speed=Slow/Speed=Fast/' "$work/bin/pennix.ini"
"$work/bin/pennix" >"$work/game.log" 2>&1 &
game_pid=$!
eventually find_game_window || fail "no window titled 'The game of Pennix'"
xdotool windowfocus --sync "$window"
find_board

marks() { probe colour "$board_left" "$board_top" D55E00; }
walls() { probe walls "$board_left" "$board_top"; }
painted() { [ "$(probe colour "$board_left" "$board_top" C0FFC0)" -gt 100000 ]; }
eventually painted || fail "the board's light green never appeared"

# Enter draws the cursor's first gap, the top wall of the top-left box; the Fast reply is marked.
xdotool key Return
marked() { [ "$(walls)" -ge 2 ] && [ "$(marks)" -gt 0 ]; }
eventually marked || fail "no marks after a Fast reply: $(walls) walls, $(marks) marked pixels"
wall_at 52 28 || fail "Enter did not draw the wall under the cursor"

# At Slow, with the pointer resting over the board: the cursor goes along the top row two gaps
# at a time to a free one, and Enter there starts a reply of two seconds or more.
choose_speed 0
[ "$(marks)" -gt 0 ] || fail "the marks went with a menu choice"
xdotool mousemove "$((board_left + 200))" "$((board_top + 295))"
rest=$(probe cursor)
for left in 84 116 148 180 212 244 276 308 340; do
    xdotool key Right Right
    [ "$(pixel_at "$left" 28)" = "#C0FFC0" ] && break
done
xdotool key Return
replying() { [ "$(probe cursor)" != "$rest" ] && [ "$(marks)" -eq 0 ]; }
eventually replying || fail "no busy pointer over a Slow reply, or the marks stayed after the wall"
at_rest() { [ "$(probe cursor)" = "$rest" ] && [ "$(marks)" -gt 0 ]; }
eventually at_rest || fail "the pointer stayed busy or no marks came after the Slow reply"
wall_at "$left" 28 || fail "Enter did not draw the free gap the cursor reached"

# Back at Fast, the cursor over every gap a row of boxes at a time, with Enter at each: from the
# top row's left end right along the first band, then along each band below, back and forth, and
# last along the bottom walls. Keys made during a reply wait, as presses do.
choose_speed 2
xdotool windowfocus --sync "$window"
keys=()
step() { for _ in $(seq "$2"); do keys+=("$1" Return); done; }
step Left 20
step Right 20
for band in 1 2 3 4 5 6 7; do
    step Down 1
    if ((band % 2)); then step Right 1 && step Left 20; else step Left 1 && step Right 20; fi
done
step Down 1
for _ in $(seq 9); do step Right 1 && step Down 1; done
xdotool key --delay 30 "${keys[@]}"
all_drawn() { [ "$(walls)" -eq 178 ]; }
eventually all_drawn || fail "the keys left walls undrawn: $(walls) of 178 drawn"

# The match is credited to the winner: a draw, 40 boxes each, has not happened against Easy.
xdotool key --clearmodifiers alt+f
eventually windows_open 2 || fail "the File menu did not open"
xdotool key x
await_game_end || fail "File > Exit did not end the game"
score=$(grep -E '^(You|Me)=' "$work/bin/pennix.ini" | tr -d '\r' | tr '\n' ' ')
[ "$score" = "You= 6 Me= 2 " ] || [ "$score" = "You= 5 Me= 3 " ] ||
    fail "the match score after the game is $score, not one more win for either side"
echo "end-to-end: marks, busy pointer and a whole game by the keyboard as expected"
