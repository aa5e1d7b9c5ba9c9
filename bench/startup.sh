#!/usr/bin/env bash
# Start-up time and peak memory of the game beside an empty Qt main window built the same way (and
# beside that window with a one-entry menu bar, which is what drawing any text costs) and beside
# KSquares, KDE's dots and boxes, installed from Debian when missing (for this benchmark only);
# then the game's CPU while it waits and during a Slow reply; all under a private Xvfb. The game
# starts in English and, beside that, in a translated language (German unless named), which loads
# its translation and Qt's.
# Usage: bench/startup.sh [build-dir] [runs] [language]    (figures only; nothing passes or fails)
set -euo pipefail

build=${1:-build}
runs=${2:-10}
language=${3:-de}
game="$build/src/app/pennix"
empty="$build/src/app/pennix-empty-window"
for binary in "$game" "$empty"; do
    [ -x "$binary" ] || { echo "$binary is missing: build the pennix and pennix-empty-window targets" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# KSquares is a peer to measure against, never a dependency of the game.
# Debian puts it in /usr/games, which root's PATH lacks.
export PATH="$PATH:/usr/games"
if ! command -v ksquares >/dev/null; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        ksquares >/dev/null || { echo "ksquares could not be installed" >&2; exit 1; }
fi
peer=$(command -v ksquares)

# Copies, so that their settings file lies here rather than beside the build's game, which
# `make run` plays (and which, were it open, every start here would hand over to).
mkdir "$work/bin"
cp "$game" "$empty" "$work/bin/"
game="$work/bin/$(basename "$game")"
empty="$work/bin/$(basename "$empty")"

source "$(dirname "$0")/../scripts/xvfb-session.sh"
start_xvfb "$work" || { echo "Xvfb did not start, or does not answer" >&2; exit 1; }
pids+=("$xvfb_pid")
export QT_XCB_GL_INTEGRATION=none
export HOME="$work" XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"

# A KDE program will not start without a session bus: KSquares gets one of its own.
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
pids+=("$(sed -n 2p <<<"$bus")")
peer_bus=$(sed -n 1p <<<"$bus")

now_us() { echo $(($(date +%s%N) / 1000)); }

# Starts a program and prints "<microseconds to its window's MapNotify> <microseconds of CPU it had
# used by then> <pid>". The watcher on the root window is running before the program starts, so
# no map is missed. The CPU time hardly moves with the load of a shared machine, as the time to
# the map does.
start_and_time() {
    local fifo="$work/xev.$RANDOM"
    mkfifo "$fifo"
    stdbuf -oL xev -root -event substructure >"$fifo" &
    local watcher=$!
    exec 4<"$fifo"
    sleep 0.2
    local start
    start=$(now_us)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    local line
    while true; do
        read -r -t 30 line <&4 || { echo "no window mapped within 30 s: $*" >&2; exit 1; }
        [[ $line == MapNotify* ]] && break
    done
    local cpu
    cpu=$(awk '{ print int($1 / 1000) }' "/proc/$pid/schedstat")
    echo "$(($(now_us) - start)) $cpu $pid"
    exec 4<&-
    kill "$watcher" 2>/dev/null || true
    wait "$watcher" 2>/dev/null || true
    rm -f "$fifo"
}

peak_kb() { awk '/^VmHWM/ { print $2 }' "/proc/$1/status"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
wakeups() { awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$1/status"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# One run: start, wait until mapped and painted, note the figures, stop it and wait until it has
# gone. The program was started in start_and_time's subshell, so `wait` cannot wait for it: a
# game still saving and letting go of its settings file would hold up the next start, which
# would be charged for it.
measure() {
    local timed pid
    timed=$(start_and_time "$@")
    pid=${timed##* }
    sleep 0.3
    echo "${timed% *} $(peak_kb "$pid")"
    kill "$pid"
    while kill -0 "$pid" 2>/dev/null; do sleep 0.01; done
}

# The desktop's language, named outright for both: LANGUAGE is heeded even under the C locale.
english=(env LANGUAGE= LC_ALL=C "$game")
translated=(env LANGUAGE="$language" LC_ALL=C "$game")

# A first run of each warms the disk cache and the font cache.
measure "${english[@]}" >/dev/null
measure "${translated[@]}" >/dev/null
measure "$empty" >/dev/null
measure env DBUS_SESSION_BUS_ADDRESS="$peer_bus" "$peer" >/dev/null
: >"$work/game.txt"
: >"$work/translated.txt"
: >"$work/empty.txt"
: >"$work/menu.txt"
: >"$work/peer.txt"
# English and the translation take turns to come first, so that neither is always the one that
# follows the other's exit.
for run in $(seq "$runs"); do
    if ((run % 2)); then
        measure "${english[@]}" >>"$work/game.txt"
        measure "${translated[@]}" >>"$work/translated.txt"
    else
        measure "${translated[@]}" >>"$work/translated.txt"
        measure "${english[@]}" >>"$work/game.txt"
    fi
    measure "$empty" >>"$work/empty.txt"
    measure "$empty" --menu-bar >>"$work/menu.txt"
    measure env DBUS_SESSION_BUS_ADDRESS="$peer_bus" "$peer" >>"$work/peer.txt"
done

column_median() { cut -d' ' -f"$2" "$work/$1.txt" | median; }
percent() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.1f%%", (a - b) * 100 / b }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2fx", a / b }'; }
report() {
    local game_value translated_value empty_value menu_value peer_value
    game_value=$(column_median game "$1")
    translated_value=$(column_median translated "$1")
    empty_value=$(column_median empty "$1")
    menu_value=$(column_median menu "$1")
    peer_value=$(column_median peer "$1")
    echo "  pennix                       $game_value"
    echo "  pennix in $(printf '%-19s' "$language") $translated_value   ($(percent "$translated_value" "$game_value") against English)"
    echo "  empty window                 $empty_value   (pennix $(percent "$game_value" "$empty_value"))"
    echo "  empty window with a menu bar $menu_value   (pennix $(percent "$game_value" "$menu_value"))"
    echo "  ksquares                     $peer_value   (pennix $(ratio "$game_value" "$peer_value"))"
}
echo "Warm start-up to window mapped (median of $runs, microseconds):"
report 1
echo "CPU time to window mapped (median of $runs, microseconds):"
report 2
echo "Peak memory VmHWM (median of $runs, kB):"
report 3

# CPU while the game waits for the player.
timed=$(start_and_time "${english[@]}")
pid=${timed##* }
pids+=("$pid")
sleep 1
ticks=$(cpu_ticks "$pid")
switches=$(wakeups "$pid")
sleep 5
echo "Waiting for the player, 5 s: $(($(cpu_ticks "$pid") - ticks)) CPU ticks of 10 ms," \
    "$(($(wakeups "$pid") - switches)) wake-ups"

# CPU during a Slow reply: Options > Speed > Slow by the keyboard, then a press on a gap. One
# computer wall blinks 10 times with 0.1 s pauses, about 2 s.
window=$(xdotool search --onlyvisible --name '^The game of Pennix$' | head -1)
xdotool windowfocus --sync "$window"
xdotool key alt+o; sleep 0.2; xdotool key Down; sleep 0.1; xdotool key Right; sleep 0.2
xdotool key Return; sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$window")"
ticks=$(cpu_ticks "$pid")
switches=$(wakeups "$pid")
xdotool mousemove "$((X + 52))" "$((Y + HEIGHT - 385 + 28))" click 1
sleep 2.5
echo "During a Slow reply, 2.5 s: $(($(cpu_ticks "$pid") - ticks)) CPU ticks of 10 ms," \
    "$(($(wakeups "$pid") - switches)) wake-ups"
