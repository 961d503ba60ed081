#!/usr/bin/env bash
# A learner's task on the real program: started under Xvfb with the example task "Light the
# Bulb", on a private D-Bus session with the AT-SPI bus so task_check.py reads the task panel as a
# screen reader does, while xdotool checks (F5), wires the circuit with the mouse and checks again.
#   task_session.sh <path to circuit-workbench> [directory for logs]
# Exits 77 (skipped) when a tool is missing, except under CI=true, where that fails.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"
source "$here/session_lib.sh"
require_tools import convert
start_accessibility_bus "$@"
# A copy, so the session's changes never touch the example.
cp "$here/../../data/examples/task-light-the-bulb.cwb" "$shots/task.cwb"
chmod u+w "$shots/task.cwb"
start_app "$1" "$shots/app.log" "$shots/task.cwb"
xdotool windowfocus "$window"  # no window manager gives the keyboard to the window
sleep 0.3
"$python" "$here/task_check.py" "$X" "$Y" || failures=$((failures + 1))
import -window root "$shots/checked.png"
expect_running
[ "$failures" -eq 0 ]
