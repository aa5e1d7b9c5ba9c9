#!/usr/bin/env bash
# The real game in German and in English under a private X server: with LANGUAGE=de its window is
# titled in German, its menu bar reads differently at the same size, and its menus open by their
# German access keys; the same game played through them leaves a settings file byte for byte the
# one the English game leaves, its level and speed in English.
# Skips (77) only when there is no Xvfb.
set -euo pipefail

binary=$1

tools=(xdotool xwininfo import convert compare)
source "$(dirname "$0")/game_session.sh"

windows_open() { [ "$(xdotool search --onlyvisible --pid "$game_pid" | wc -l)" -eq "$1" ]; }

# Opens the menu of access key $1 and, with the menu open, presses the keys that follow; each
# step waits for the menus it opens or closes. The pointer goes to the corner first, so that its
# hover cannot race the keys.
menu_keys() {
    local access=$1
    shift
    xdotool mousemove 0 0
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers "alt+$access"
    eventually windows_open 2 || fail "alt+$access opened no menu in the $language game"
    xdotool key "$@"
}

# Plays the same game in $language (an empty LANGUAGE and the C locale for English), the menus
# opened by the access keys $2 (File), $3 (Options) and $4 (Exit), and leaves its settings file in
# $work/$language.ini and a capture of its window in $work/$language.png.
play() {
    language=$1
    local file=$2 options=$3 exit=$4 title=$5
    copy_slow_game Easy
    LANGUAGE=${language/en/} LC_ALL= LC_MESSAGES= LANG=C "$work/bin/pennix" >"$work/game.log" 2>&1 &
    game_pid=$!
    find_titled() { window=$(xdotool search --onlyvisible --name "^$title\$" | head -1); [ -n "$window" ]; }
    eventually find_titled || fail "no window titled '$title' in the $language game"
    find_board
    painted() { [ "$(pixel_at 2 2)" = "#C0FFC0" ]; }
    eventually painted || fail "the $language game's board was never painted"
    import -window "$window" "$work/$language.png"
    sizes+=("${win_width}x${win_height}")

    # A wall, and the computer's slow answer waited for: it blinks for two seconds.
    xdotool mousemove "$((board_left + 52))" "$((board_top + 28))" click 1
    eventually wall_at 52 28 || fail "the press drew no wall in the $language game"
    sleep 2.5
    # Options > Speed > Fast, Options > Level > Hard (a new game), and the marks switched off.
    menu_keys "$options" Down Right
    eventually windows_open 3 || fail "the Speed menu did not open in the $language game"
    xdotool key Down Down Return
    eventually windows_open 1 || fail "the Speed menu did not close in the $language game"
    menu_keys "$options" Right
    eventually windows_open 3 || fail "the Level menu did not open in the $language game"
    xdotool key Down Down Return
    eventually windows_open 1 || fail "the Level menu did not close in the $language game"
    menu_keys "$options" m
    eventually windows_open 1 || fail "the marks entry did not close the menu in the $language game"
    menu_keys "$file" "$exit"
    await_game_end || fail "File > Exit did not end the $language game"
    [ "$game_status" -eq 0 ] || fail "the $language game ended with status $game_status"
    cp "$work/bin/pennix.ini" "$work/$language.ini"
}

sizes=()
play en f o x 'The game of Pennix'
play de d o b 'Das Spiel Pennix'

[ "${sizes[0]}" = "${sizes[1]}" ] || fail "the window is ${sizes[1]} in German, ${sizes[0]} in English"
# The menu bar, above the board's 385 pixels, reads differently.
menu_bar_height=$((${sizes[0]#*x} - 385))
for language in en de; do
    convert "$work/$language.png" -crop "390x${menu_bar_height}+0+0" +repage "$work/$language-bar.png"
done
differing=$(compare -metric AE "$work/en-bar.png" "$work/de-bar.png" null: 2>&1 || true)
[ "${differing%% *}" -gt 50 ] 2>/dev/null ||
    fail "the German menu bar looks like the English one ($differing pixels differ)"
cmp -s "$work/en.ini" "$work/de.ini" ||
    fail "the German game's settings differ: $(cat -A "$work/de.ini") against $(cat -A "$work/en.ini")"
grep -q '^Level=Hard' "$work/de.ini" && grep -q '^Speed=Fast' "$work/de.ini" ||
    fail "the choices were not saved: $(cat -A "$work/de.ini")"
echo "end-to-end: the German game shows German menus at the English size and saves the English settings"
