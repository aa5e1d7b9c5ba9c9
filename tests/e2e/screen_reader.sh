#!/usr/bin/env bash
# The game read by a real assistive-technology client: a private session bus, the AT-SPI bus
# that screen readers use, and screen_reader.py walking the game's tree and playing it by keys.
# Skips (77) only when there is no Xvfb.
set -euo pipefail

binary=$1

tools=(xdotool xwininfo dbus-daemon)
source "$(dirname "$0")/game_session.sh"
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] && "$python" -c 'import pyatspi' ||
    fail "at-spi2-core or python3-pyatspi is missing; scripts/install-deps installs them"

# The session bus, and on it the launcher of the accessibility bus (which starts the registry).
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
bus_pid=${bus##*$'\n'}
"$launcher" --launch-immediately >/dev/null 2>&1 &
launcher_pid=$!
trap 'kill "$launcher_pid" "$bus_pid" 2>/dev/null || true; cleanup' EXIT

copy_slow_game Easy
sed -i 's/^Speed=Slow/Speed=Fast/' "$work/bin/pennix.ini"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/bin/pennix" >"$work/game.log" 2>&1 &
game_pid=$!
eventually find_game_window || fail "no window titled 'The game of Pennix'"
xdotool windowfocus --sync "$window"
"$python" "$(dirname "$0")/screen_reader.py" || fail "the screen reader's view is wrong"
