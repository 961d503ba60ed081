#!/usr/bin/env bash
# A teacher's files, end to end with the real program under Xvfb: a lit circuit with a note is
# saved with Ctrl+S through the dialog, the program closed and started again with the file, and
# the board looks as it did; a damaged file gets a message, then an empty board that works; a
# run killed after an edit offers its changes back at the next start.
#   file_session.sh <program> [folder for screenshots]
# Exits 77 (skipped) when Xvfb or xdotool is missing, except under CI=true, where that fails.
set -euo pipefail

source "$(dirname "$0")/session_lib.sh"
rm -f "${2:-/nonexistent}"/*.cwb  # files of an earlier run would make the dialog ask
start_session "$@"
wait_for_windows() {  # count, [title]: until that many windows with the title show
    for _ in $(seq 100); do
        [ "$(xdotool search --onlyvisible --name "${2:-Circuit Workbench}" 2>/dev/null |
            wc -l)" -ge "$1" ] && return 0
        sleep 0.1
    done
    echo "FAIL no question or message appeared"
    failures=$((failures + 1))
}

build_lit_loop
click 224 530          # the pencil: a note
drag 150 300 260 330
board_shot before

keys ctrl+s            # unnamed: the dialog asks for a name
wait_for_windows 1 "Save the Circuit"
sleep 0.5
keys ctrl+a
xdotool type --delay 10 "$shots/lit.cwb"
keys Return
sleep 1
if [ -s "$shots/lit.cwb" ]; then echo "ok   saved through the dialog"; else
    echo "FAIL nothing saved"; failures=$((failures + 1)); fi
xdotool windowfocus "$window"  # no window manager gives the focus back
sleep 0.3
keys ctrl+q            # saved: it closes without asking
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then
    import -window root "$shots/not-closed.png"
    echo "FAIL Ctrl+Q did not close"; failures=$((failures + 1))
fi

start_app "$app" "$shots/app-reopened.log" "$shots/lit.cwb"
expect_glass reopened-lit "$lit"
board_shot after
expect_same "the reopened board looks as it did" before after
kill "$app_pid"; wait "$app_pid" 2>/dev/null || true

# A damaged file: a message naming it, then an empty board that works.
head -c 150 "$shots/lit.cwb" >"$shots/damaged.cwb"
launch_app "$app" "$shots/app-damaged.log" "$shots/damaged.cwb"
wait_for_windows 2
sleep 0.5
keys Return
locate_board
expect_glass damaged-gives-an-empty-board 'srgb(0,128,0)'
drag 19 530 119 119
expect_pixel damaged-then-a-cell-placed 150 110 'srgb(128,0,0)'
expect_running

# Killed after an edit: the next start offers the changes back.
sleep 1.5              # the recovery copy is at most a second behind
kill -9 "$app_pid"; wait "$app_pid" 2>/dev/null || true
launch_app "$app" "$shots/app-recovered.log"
wait_for_windows 2
sleep 0.5
keys Return            # yes, bring them back
locate_board
expect_pixel recovered-cell 150 110 'srgb(128,0,0)'
expect_running

echo "screenshots in $shots"
[ "$failures" -eq 0 ]
