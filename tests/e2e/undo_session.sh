#!/usr/bin/env bash
# Undo and redo with the real program under Xvfb: a lit circuit, a wire deleted (the bulb goes
# grey), Ctrl+Z (the board as before the delete, the bulb lit), Ctrl+Shift+Z (grey again), then
# the Undo button beside the menus clicked with the mouse (lit again).
#   undo_session.sh <program> [folder for screenshots]
# Exits 77 (skipped) when Xvfb or xdotool is missing, except under CI=true, where that fails.
set -euo pipefail

source "$(dirname "$0")/session_lib.sh"
start_session "$@"

build_lit_loop
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

# The Undo button: the first of the two at the right end of the menu bar, at the window's top
# (the bar of meters lies between it and the board).
menu_y=$(xdotool getwindowgeometry --shell "$window" | sed -n 's/^Y=//p')
xdotool mousemove $((X + 582 - 40)) $((menu_y + 11))
sleep 0.2
xdotool click 1
sleep 0.5
expect_glass undo-button "$lit"
expect_running
echo "screenshots in $shots"
[ "$failures" -eq 0 ]
