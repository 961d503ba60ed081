#!/usr/bin/env bash
# The real program as a screen reader meets it: under Xvfb, on a private D-Bus session with the
# AT-SPI accessibility bus, its tree read and followed by accessibility_check.py while xdotool
# builds a circuit.
#   accessibility_session.sh <path to circuit-workbench> [directory for logs]
# Exits 77 (skipped) when a tool is missing, except under CI=true, where that fails.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"
source "$here/session_lib.sh"
start_accessibility_bus "$@"
start_app "$1" "$shots/app.log"
"$python" "$here/accessibility_check.py" "$X" "$Y" || failures=$((failures + 1))
expect_running
[ "$failures" -eq 0 ]
