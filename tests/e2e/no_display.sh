#!/bin/sh
# Started with no display to open, the program says so in one line and exits with a status of
# its own: no abort, no core dump, within a second or so.
program="$1"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 5 "$program" 2>&1)
status=$?
echo "$out"
if [ "$status" -eq 0 ] || [ "$status" -ge 124 ]; then
    echo "exit status $status: expected a plain failure" >&2
    exit 1
fi
echo "$out" | grep -q "cannot open the display .*; set DISPLAY or use -platform offscreen" || {
    echo "the message is missing" >&2
    exit 1
}
[ "$(echo "$out" | wc -l)" -eq 1 ] || { echo "more than one line" >&2; exit 1; }
