#!/usr/bin/env bash
# Windows destroyed by another program (as `xdotool windowclose` does) rather than closed through
# a window manager. The game's window, during the computer's Slow reply: the game must finish the
# reply, save and end, so that the next start opens a window; it ran on with nothing to show, and
# each later start was told that its window came forward. A small window: it must close, or its
# loop runs on unseen and the game's window refuses all input. And a window Qt itself makes anew
# is not one destroyed from outside.
# Skips (77) only when there is no Xvfb.
set -euo pipefail

binary=$1

tools=(xdotool xwininfo xprop import convert openbox)
source "$(dirname "$0")/game_session.sh"

copy_slow_game Genius

"$work/bin/pennix" >"$work/game.log" 2>&1 &
game_pid=$!
eventually find_game_window || fail "no window titled 'The game of Pennix'"
find_board

# A press on a gap, and the window destroyed while the answer blinks (Slow: two seconds): once
# the gap shows its wall, the press has been taken and the answer has begun.
xdotool mousemove "$((board_left + 52))" "$((board_top + 28))" click 1
eventually wall_at 52 28 || fail "the press drew no wall"
xdotool windowclose "$window"

await_game_end || fail "the game runs on after its window was destroyed"
[ "$game_status" -eq 0 ] || fail "with its window destroyed the game ended with status $game_status"
grep -q '^Text=Hello, world!' "$work/bin/pennix.ini" ||
    fail "the settings file was not saved: $(cat -A "$work/bin/pennix.ini")"
grep -q "^Level=Genius" "$work/bin/pennix.ini" || fail "the level was not kept"

# The next start is a game with a window of its own. Its About window destroyed, File > Exit
# chosen by its access keys must reach the game's window and end the game.
"$work/bin/pennix" >"$work/game.log" 2>&1 &
game_pid=$!
eventually find_game_window || fail "the next start opened no window"
# The pointer off the board, where its hover could race the keys in the menus.
xdotool mousemove 0 0
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+h
xdotool key Down Down Return
find_about() { about=$(xdotool search --onlyvisible --name '^About Pennix$' | head -1); [ -n "$about" ]; }
eventually find_about || fail "Help > About the game opened no window"
xdotool windowclose "$about"
# Keys that come before the game has closed what is left of the About window are not for the
# game's window: asked again until the File menu opens.
windows_open() { [ "$(xdotool search --onlyvisible --pid "$game_pid" | wc -l)" -eq "$1" ]; }
open_file_menu() {
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers alt+f
    sleep 0.2
    windows_open 2
}
eventually open_file_menu || fail "after its About window was destroyed the game took no keys"
xdotool key x
await_game_end || fail "after its About window was destroyed the game took no File > Exit"
[ "$game_status" -eq 0 ] || fail "File > Exit after a destroyed About window: status $game_status"

# Under a window manager Qt destroys a tooltip's native window and makes it anew each time it
# shows: none of the game's windows was destroyed from outside, and the tooltip must show.
start_openbox
"$work/bin/pennix" >"$work/game.log" 2>&1 &
game_pid=$!
eventually find_game_window || fail "no window under a window manager"
# Qt shows tooltips in the active window only.
xdotool windowactivate --sync "$window"
find_board
xdotool mousemove "$((board_left + 358))" "$((board_top + 362))"
xdotool mousemove "$((board_left + 360))" "$((board_top + 364))"
eventually windows_open 2 || fail "the Rnd button's tooltip never showed under a window manager"
echo "end-to-end: windows destroyed from outside: the game saves and ends, a small window closes"
