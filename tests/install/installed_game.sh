#!/usr/bin/env bash
# The installed game, as a user who cannot write to its folder: the settings file goes to the
# user's configuration folder, a menu choice and the match score survive a restart, and
# nothing is written beside the program. Skips (77) only when there is no Xvfb.
# Usage: installed_game.sh BUILD_DIR [PACKAGE]: installs the build with cmake --install, or
# unpacks the given Debian package.
set -euo pipefail

build_dir=$1
package=${2:-}

if ! command -v Xvfb >/dev/null; then
    echo "Xvfb is not installed; skipping the installed game's test"
    exit 77
fi
if ! command -v xdotool >/dev/null; then
    echo "xdotool is missing; scripts/install-deps installs it" >&2
    exit 1
fi

work=$(mktemp -d)
chmod 755 "$work"
root="$work/root"
settings=""
xvfb_pid=""
game_pid=""
cleanup() {
    if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/game-*.log; do
        if [ -s "$log" ]; then
            echo "The game's output ($(basename "$log")):" >&2
            cat "$log" >&2
        fi
    done
    if [ -n "$settings" ] && [ -f "$settings" ]; then
        echo "The settings file:" >&2
        cat -A "$settings" >&2
    fi
    exit 1
}

source "$(dirname "$0")/../../scripts/xvfb-session.sh"

if [ -n "$package" ]; then
    dpkg-deb -x "$package" "$root"
else
    DESTDIR="$root" cmake --install "$build_dir" --prefix /usr >/dev/null
fi
game="$root/usr/bin/pennix"

# The player: root plays as nobody, for whom the installed tree is read-only, as it is for every
# user of a system-wide install; anyone else plays as themselves, with the folder made read-only.
home="$work/home"
settings="$home/config/pennix/pennix.ini"
mkdir -m 700 "$home" "$home/runtime"
mkdir -p "$home/config/pennix"
player=""
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    player=nobody
    as_player=(setpriv --reuid="$(id -u $player)" --regid="$(id -g $player)" --clear-groups)
    chown -R "$player:$(id -gn $player)" "$home"
else
    chmod -R a-w "$root"
fi
"${as_player[@]}" test ! -w "$root/usr/bin" || fail "the player can write to the program's folder"

printf '[Options]\r\nLevel=Hard\r\nSpeed=Fast\r\n[Score]\r\nYou= 7\r\nMe= 3\r\n[Message]\r\nText=Hello, world!\r\n' \
    >"$settings"
if [ -n "$player" ]; then
    chown "$player" "$settings"
fi
installed_before=$(find "$root" -printf '%P %s %T@\n' | LC_ALL=C sort)

# Any X client may connect, the player's too: the server listens on a local socket only, for this
# test's life.
start_xvfb "$work" -ac || fail "Xvfb did not start, or does not answer"

# Starts the installed game in a clean environment, as a desktop session would, and waits for its
# window.
start_game() {
    "${as_player[@]}" env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$home" \
        XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
        "$game" >"$work/game-$1.log" 2>&1 &
    game_pid=$!
    eventually find_game_window || fail "run $1: no window titled 'The game of Pennix'"
    xdotool windowfocus --sync "$window"
}

# File > Exit by its access keys.
exit_game() {
    xdotool key --clearmodifiers alt+f
    sleep 0.3
    xdotool key x
    await_game_end || fail "run $1: File > Exit did not end the program"
    [ "$game_status" -eq 0 ] || fail "run $1: the program ended with status $game_status"
}

# The first line with the key counts, as the game reads it; the file keeps its CRLF line ends.
value() {
    sed -n "s/^$1=//p" "$settings" | head -1 | tr -d '\r'
}
expect_settings() {
    [ "$(value Speed)" = "$2" ] || fail "after run $1 the speed is '$(value Speed)', not '$2'"
    [ "$(value Level)" = Hard ] || fail "after run $1 the level is '$(value Level)', not 'Hard'"
    [ "$(value You)" = " 7" ] || fail "after run $1 the score You is '$(value You)', not ' 7'"
    [ "$(value Me)" = " 3" ] || fail "after run $1 the score Me is '$(value Me)', not ' 3'"
}

# First run: Options > Speed > Slow. "Level" and "Speed" have no access keys; the arrows reach them.
start_game 1
xdotool key --clearmodifiers alt+o
sleep 0.3
xdotool key Down
sleep 0.2
xdotool key Right
sleep 0.3
xdotool key Return
sleep 0.2
exit_game 1
expect_settings 1 Slow

# Second run: the speed comes back from the file as the checked entry, and is saved again.
start_game 2
exit_game 2
expect_settings 2 Slow

installed_after=$(find "$root" -printf '%P %s %T@\n' | LC_ALL=C sort)
if [ "$installed_before" != "$installed_after" ]; then
    diff <(echo "$installed_before") <(echo "$installed_after") >&2 || true
    fail "the game wrote into its installed tree"
fi
if [ -n "$player" ]; then
    [ "$(stat -c %U "$settings")" = "$player" ] || fail "the settings file is not the player's own"
fi
echo "installed game: settings in the user's folder, speed and score kept across restarts"
