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
require_tools Xvfb xdotool dbus-run-session
launcher=/usr/libexec/at-spi-bus-launcher
# Debian's pyatspi loads in the system's Python, which need not be the python3 first on PATH.
python=/usr/bin/python3
if [ ! -x "$launcher" ] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
    echo "accessibility test: at-spi2-core or python3-pyatspi is not installed"
    if [ "${CI:-}" = "true" ]; then exit 1; fi
    exit 77
fi

if [ -z "${CW_IN_DBUS_SESSION:-}" ]; then
    exec env CW_IN_DBUS_SESSION=1 dbus-run-session -- "$0" "$@" 2>"$shots/dbus.log"
fi

start_display
# The accessibility bus first, so the program finds it as it starts.
"$launcher" --launch-immediately >"$shots/at-spi.log" 2>&1 &
helper_pids+=($!)
sleep 1
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_app "$1" "$shots/app.log"
"$python" "$here/accessibility_check.py" "$X" "$Y" || failures=$((failures + 1))
expect_running
[ "$failures" -eq 0 ]
