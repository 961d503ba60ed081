#!/usr/bin/env bash
# A learner's session on the real program with the keyboard alone: started under Xvfb, driven
# by xdotool key presses (the mouse never moves), checked by the colour of the bulb's glass and
# of the board in screenshots.
#   keyboard_session.sh <path to circuit-workbench> [directory for screenshots]
# Exits 77 (skipped) when Xvfb or xdotool is missing, except under CI=true, where that fails.
set -euo pipefail

source "$(dirname "$0")/session_lib.sh"
start_session "$@"
xdotool windowfocus --sync "$window"  # no window manager here to give it the keyboard
times() { local n=$1; shift; for _ in $(seq "$n"); do echo "$@"; done; }  # n, key
bar=3  # the bar of extra parts: ammeter, voltmeter, fuse

# The focus starts on the first palette copy; Tab visits the four copies, the bar's buttons
# (bar of them, above the board), the three tools, the parts by number and the board. A new part is picked up at the first free spot of the board (from (8, 8), a 16-pixel grid),
# moved 10 pixels an arrow (1 with Shift) and put down with Enter.
# A held key acts once: Space held on the cell's copy picks one cell up and keeps it held.
hold space
keys $(times 9 Right) shift+Right shift+Right $(times 9 Down) shift+Down shift+Down Return
expect_pixel one-cell-picked-up 10 10 'srgb(0,128,0)'  # no second cell dropped at (8, 8)
# cell 1 at (100, 100); from it back to the bulb's copy, picked up at (200, 8)
keys $(times $((4 + bar)) shift+Tab) space $(times 10 Right) $(times 9 Down) shift+Down shift+Down Return
# bulb 2 at (300, 100); back to the switch's copy, picked up at (200, 8)
keys $(times $((7 + bar)) shift+Tab) space $(times 29 Down) shift+Down shift+Down Return
expect_glass placed "$grey"

# The line tool; on the board N jumps the cursor through the terminals (1..6 by number) and
# Space starts and ends a wire there.
keys l Tab
keys n space n n space            # cell's first to bulb's first
keys shift+n space n n n space    # cell's second to switch's first
keys n space shift+n shift+n space  # switch's second to bulb's second
expect_glass wired-switch-open "$grey"

keys shift+Tab
hold space                        # the switch closes, once
expect_glass switch-closed "$lit"

# A resistor in series: picked up at (200, 8), put down at (400, 300); the switch-bulb wire
# (the third) deleted with the delete tool, W jumping the cursor to the middle of each wire.
keys $(times $((7 + bar)) shift+Tab) space $(times 20 Right) $(times 29 Down) shift+Down shift+Down Return
keys d Tab w w w space
expect_glass wire-deleted "$grey"
keys l n $(times 5 n) space n space n space $(times 4 shift+n) space
expect_glass resistor-10 'srgb(172,172,128)'   # 1.5 / 21 A: 7
keys shift+Tab space              # the resistor steps to 20
expect_glass resistor-20 'srgb(153,153,128)'   # 1.5 / 31 A: 4

# The cell moves down 10 with its wires; the circuit stays as it was.
keys $(times 3 shift+Tab) Down
expect_pixel cell-top-left-behind 145 100 'srgb(0,128,0)'
expect_pixel cell-top-moved 145 110 'srgb(0,0,0)'   # its outline
expect_glass cell-moved 'srgb(153,153,128)'
keys Tab
hold Delete                       # the bulb goes, and only the bulb: the focus moves on to the
expect_pixel bulb-deleted 315 125 'srgb(0,128,0)'   # switch, which a repeat would delete next
expect_pixel cell-kept 145 110 'srgb(0,0,0)'
expect_pixel switch-kept 220 320 "$grey"
expect_pixel resistor-kept 430 345 'srgb(255,255,128)'

expect_running
echo "screenshots in $shots"
[ "$failures" -eq 0 ]
