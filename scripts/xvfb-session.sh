# What the scripts that run the game under a private X server share; source it. Defines functions
# only: waiting for something, starting the server, finding the game's window, awaiting its end.

# Runs a command again and again until it succeeds, for up to thirty seconds: generous, for a
# machine busy building.
eventually() {
    for _ in $(seq 300); do
        if "$@"; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Starts Xvfb on a display it picks itself, with any further arguments, and waits until it
# answers; sets DISPLAY and xvfb_pid, and sends Qt programs to it even when the caller's
# environment asks for another platform (offscreen, say, left over from the widget tests). The
# server writes its display number into a file of the given folder. -noreset: a server that
# resets as its last client leaves would turn the next one away for a moment.
start_xvfb() {
    local folder=$1
    shift
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset "$@" \
        3>"$folder/display" >/dev/null 2>&1 &
    xvfb_pid=$!
    eventually test -s "$folder/display" || return 1
    DISPLAY=":$(cat "$folder/display")"
    export DISPLAY QT_QPA_PLATFORM=xcb
    eventually xdotool getdisplaygeometry >/dev/null 2>&1
}

# Sets window to the game's main window once it is visible.
find_game_window() {
    window=$(xdotool search --onlyvisible --name '^The game of Pennix$' | head -1)
    [ -n "$window" ]
}

# Waits for the game started as $game_pid to end, then sets game_status to its exit status and
# clears game_pid; fails when it is still running after thirty seconds.
await_game_end() {
    game_ended() { ! kill -0 "$game_pid" 2>/dev/null; }
    eventually game_ended || return 1
    game_status=0
    wait "$game_pid" || game_status=$?
    game_pid=""
}
