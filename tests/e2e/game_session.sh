# What the end-to-end scripts share; source it once `tools` names the commands the script needs
# beside Xvfb. Skips the script (77) when there is no Xvfb. Starts a private X server, with a
# scratch folder `work` for home, configuration and runtime; on exit ends the game in `game_pid`
# (with `game_end_signal`, TERM unless set) and the server, and removes the folder. `fail` says
# what failed, with the game's output in `$work/game.log`, and ends the script. `window_geometry`
# and `find_board` (with xwininfo among the tools) find where a window, and the board of the
# game's window, are on the screen; `pixel_at` and `wall_at` (with import and convert) look at a
# point of the board. `copy_slow_game` copies the game to `$work/bin` with a settings file of its
# own; `start_openbox` starts a window manager; `choose_speed` chooses a speed by the keyboard.
if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is not installed; skipping the end-to-end test"
    exit 77
fi
for tool in "${tools[@]}"; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing; scripts/install-deps installs it" >&2
        exit 1
    fi
done

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
    [ -n "$game_pid" ] && kill "-${game_end_signal:-TERM}" "$game_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$work/game.log" ]; then
        echo "The game's output:" >&2
        cat "$work/game.log" >&2
    fi
    exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xvfb-session.sh"

start_xvfb "$work" || fail "Xvfb did not start, or does not answer"
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"

# Sets win_left, win_top, win_width and win_height to where window $1 is on the screen.
window_geometry() {
    local geometry
    geometry=$(xwininfo -id "$1")
    field() { sed -n "s/^ *$1: *\(-*[0-9]*\).*/\1/p" <<<"$geometry"; }
    win_left=$(field "Absolute upper-left X")
    win_top=$(field "Absolute upper-left Y")
    win_width=$(field Width)
    win_height=$(field Height)
}

# Sets board_left and board_top to where the board of the game's $window begins on the screen:
# its 385 pixels are the bottom of the window, below the menu bar.
find_board() {
    window_geometry "$window"
    board_left=$win_left
    board_top=$((win_top + win_height - 385))
}

# The colour, as #RRGGBB, of the screen's pixel at a point of the board.
pixel_at() {
    import -window root -crop "1x1+$((board_left + $1))+$((board_top + $2))" "$work/pixel.png"
    convert "$work/pixel.png" -format %c histogram:info:- | grep -o '#[0-9A-F]\{6\}' | head -1
}

# Whether a wall shows at a point of the board.
wall_at() { [ "$(pixel_at "$1" "$2")" = "#000000" ]; }

# Copies the game to $work/bin, beside a settings file with the given level, the Slow speed and a
# match score of 5 to 2; only a save adds the [Message] line.
copy_slow_game() {
    mkdir -p "$work/bin"
    cp "$binary" "$work/bin/pennix"
    printf '[Options]\r\nLevel=%s\r\nSpeed=Slow\r\n[Score]\r\nYou= 5\r\nMe= 2\r\n' "$1" \
        >"$work/bin/pennix.ini"
}

# Starts the openbox window manager (among the tools), ended with the rest on exit.
start_openbox() {
    openbox >/dev/null 2>&1 &
    wm_pid=$!
    trap 'kill "$wm_pid" 2>/dev/null || true; cleanup' EXIT
    wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
    eventually wm_running || fail "openbox did not start"
}

# Options > Speed > the entry that many places below Slow, from the keyboard.
# Each step waits for the menus it opens or closes, so that the choice has been made before
# anything ends the game; the menus are windows of the game's own while they are open. The
# pointer goes to the screen's corner first: left on the board, where the presses put it, it
# rests over the Options menu's Speed entry once that menu opens, and its hover would race the
# keys (opening Speed without its first entry highlighted, and so choosing the wrong one).
choose_speed() {
    windows_open() { [ "$(xdotool search --onlyvisible --pid "$game_pid" | wc -l)" -eq "$1" ]; }
    xdotool mousemove 0 0
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers alt+o
    eventually windows_open 2 || fail "the Options menu did not open"
    xdotool key Down Right
    eventually windows_open 3 || fail "the Speed menu did not open"
    for _ in $(seq "$1"); do xdotool key Down; done
    xdotool key Return
    eventually windows_open 1 || fail "the menus did not close after the choice"
}
