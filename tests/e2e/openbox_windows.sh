#!/usr/bin/env bash
# The small windows under a window manager (openbox): Help > About and Help > About the author are
# centred over the game's window, frames and all; openbox once put them a title bar's height above.
# Skips (77) only when there is no Xvfb.
set -euo pipefail

binary=$1

tools=(xdotool xwininfo xprop openbox)
source "$(dirname "$0")/game_session.sh"

copy_slow_game Hard
start_openbox
"$work/bin/pennix" >"$work/game.log" 2>&1 &
game_pid=$!
eventually find_game_window || fail "no window titled 'The game of Pennix'"
xdotool windowactivate --sync "$window"

# Both windows' client areas, centres compared: openbox frames them alike.
centre_of() {
    window_geometry "$1"
    echo "$((win_left + win_width / 2)) $((win_top + win_height / 2))"
}
for entry in "Down Down:^About Pennix\$" "Down Down Down:^About me\$"; do
    keys=${entry%%:*} title=${entry#*:}
    xdotool key --clearmodifiers alt+h
    sleep 0.3
    xdotool key $keys Return
    find_small() { small=$(xdotool search --onlyvisible --name "$title" | head -1); [ -n "$small" ]; }
    eventually find_small || fail "Help opened no window titled $title"
    read -r game_x game_y <<<"$(centre_of "$window")"
    read -r x y <<<"$(centre_of "$small")"
    ((game_x - x <= 2 && x - game_x <= 2 && game_y - y <= 2 && y - game_y <= 2)) ||
        fail "$title is centred at $x,$y under openbox, the game's window at $game_x,$game_y"
    xdotool key Return
    closed() { ! xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; }
    eventually closed || xdotool windowclose "$small"
done
echo "end-to-end: the small windows are centred over the game under openbox"
