#!/usr/bin/env bash
# Undo and redo with the real program under Xvfb: a lit circuit, a wire deleted (the bulb goes
# grey), Ctrl+Z (the board as before the delete, the bulb lit), Ctrl+Shift+Z (grey again), then
# the Undo button beside the menus clicked with the mouse (lit again).
#   undo_session.sh <program> [folder for screenshots]
# Exits 77 (skipped) when Xvfb or xdotool is missing, except under CI=true, where that fails.
set -euo pipefail

source "$(dirname "$0")/session_lib.sh"
start_session "$@"
expect_glass() { expect_pixel "$1" 315 125 "$2"; }
board_shot() {  # name: the board above the strip, the pointer out of the way
    xdotool mousemove 0 0
    sleep 0.5
    import -window root -crop "582x500+$X+$Y" +repage "$shots/$1.png"
}
expect_same() {  # name of the check, two screenshots
    local difference
    difference=$(compare -metric AE "$shots/$2.png" "$shots/$3.png" null: 2>&1 || true)
    if [ "$difference" = "0" ]; then echo "ok   $1"; else
        echo "FAIL $1: $difference pixels differ"; failures=$((failures + 1)); fi
}

drag 19 530 119 119    # a cell to (100, 100)
drag 142 530 319 119   # a bulb to (300, 100)
click 183 530          # the line tool
drag 297 174 97 145
drag 393 174 193 145
expect_glass lit "$lit"
board_shot before-delete

click 265 530          # the delete tool, on the first wire
click 250 167
expect_glass wire-deleted "$grey"
keys ctrl+z
expect_glass undone "$lit"
click 500 450          # far from every wire: deletes nothing, and the keyboard's ring goes
board_shot undone
expect_same "the undone board equals the one before the delete" before-delete undone
keys ctrl+shift+z
expect_glass redone "$grey"

# The Undo button: the first of the two at the right end of the menu bar, above the board.
menu_y=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^Y=//p')
xdotool mousemove $((X + 582 - 40)) $(((menu_y + Y) / 2))
sleep 0.2
xdotool click 1
sleep 0.5
expect_glass undo-button "$lit"
expect_running
echo "screenshots in $shots"
[ "$failures" -eq 0 ]
