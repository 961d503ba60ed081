# Shared by the end-to-end sessions: a private Xvfb display, the real program on it, and the
# learner's hands (xdotool) and eyes (screenshot pixels). Source it, then call start_session.
#   CW_E2E_TRACE=1 keeps a screenshot after every gesture.

require_tools() {  # tools...; exits 77 (skipped) when one is missing, except under CI=true
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "end-to-end test: $tool is not installed"
            if [ "${CI:-}" = "true" ]; then exit 1; fi
            exit 77
        fi
    done
}

xvfb_pid=
app_pid=
helper_pids=()  # other background processes a session starts, stopped with it
session_cleanup() {
    local pid
    for pid in "$app_pid" "${helper_pids[@]}" "$xvfb_pid"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
}

# Each session keeps its recovery copies to itself, so no earlier run's copy asks to be
# restored at start.
if [ -z "${XDG_DATA_HOME:-}" ] || [ -z "${CW_SESSION_DATA:-}" ]; then
    XDG_DATA_HOME=$(mktemp -d)
    CW_SESSION_DATA=1
    export XDG_DATA_HOME CW_SESSION_DATA
fi

start_display() {  # sets DISPLAY to a fresh Xvfb on a display number no one else holds
    local fifo n
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    # -noreset: the server stays up between the runs of the program a session starts.
    Xvfb -displayfd 3 -screen 0 800x700x24 -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    trap session_cleanup EXIT
    read -r n <"$fifo" || { echo "Xvfb did not start"; exit 1; }
    rm -f "$fifo"
    export DISPLAY=":$n"
    for _ in $(seq 50); do
        xdotool getmouselocation >/dev/null 2>&1 && break
        sleep 0.1
    done
}

launch_app() {  # program, log file, [arguments...]: starts it, sets app_pid
    local program=$1 log=$2
    shift 2
    if [[ "$program" == *.exe ]]; then
        # The Windows build, under Wine (CW_WINE names it; Debian 12 keeps wine64 off PATH).
        env -u QT_QPA_PLATFORM WINEDEBUG=-all "${CW_WINE:-wine}" "$program" "$@" >"$log" 2>&1 &
    else
        env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb "$program" "$@" >"$log" 2>&1 &
    fi
    app_pid=$!
}

locate_board() {  # sets X and Y (the board's screen position) once the window shows
    # A minute: the first start after Wine or its fonts were installed builds its caches.
    window=$(timeout 60 xdotool search --sync --onlyvisible --name "Circuit Workbench" | head -1)
    [ -n "$window" ] || { echo "the window did not appear"; exit 1; }
    eval "$(xdotool getwindowgeometry --shell "$window")"
    sleep 0.5
    # Window coordinates are the circuit's: its board starts below the menu bar, at the first
    # row of the board's green down the window's middle.
    import -window root "$shots/start.png"
    local row
    row=$(convert "$shots/start.png" -crop "1x120+$((X + 290))+$Y" +repage txt:- |
        awk -F'[,:]' '/#008000/ && !found {row = $2; found = 1} END {print row}')
    [ -n "$row" ] || { echo "the board did not appear"; exit 1; }
    Y=$((Y + row))
}

# The sessions that read the program as a screen reader does: the script runs again inside a
# private D-Bus session (its arguments passed on), then a display and the AT-SPI bus start, so
# the program finds the bus as it starts. Needs `shots`; sets `python` to the Python that loads
# Debian's pyatspi. Exits 77 (skipped) when a tool is missing, except under CI=true.
start_accessibility_bus() {  # the script's own arguments
    require_tools Xvfb xdotool dbus-run-session
    launcher=/usr/libexec/at-spi-bus-launcher
    # Debian's pyatspi loads in the system's Python, which need not be the python3 first on PATH.
    python=/usr/bin/python3
    if [ ! -x "$launcher" ] || ! "$python" -c 'import pyatspi' 2>/dev/null; then
        echo "end-to-end test: at-spi2-core or python3-pyatspi is not installed"
        if [ "${CI:-}" = "true" ]; then exit 1; fi
        exit 77
    fi
    if [ -z "${CW_IN_DBUS_SESSION:-}" ]; then
        exec env CW_IN_DBUS_SESSION=1 dbus-run-session -- "$0" "$@" 2>"$shots/dbus.log"
    fi
    start_display
    "$launcher" --launch-immediately >"$shots/at-spi.log" 2>&1 &
    helper_pids+=($!)
    sleep 1
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

start_app() {  # program, log file, [arguments...]; sets app_pid, X and Y
    launch_app "$@"
    locate_board
}

start_session() {  # program, [folder for screenshots]: a display, and the program on it
    app=$1
    shots=${2:-$(mktemp -d)}
    mkdir -p "$shots"
    require_tools Xvfb xdotool import convert
    start_display
    start_app "$app" "$shots/app.log"
}

at() { echo $((X + $1)) $((Y + $2)); }
trace_step() {
    if [ -n "${CW_E2E_TRACE:-}" ]; then
        trace=$((${trace:-0} + 1))
        import -window root "$shots/step-$trace.png"
    fi
}
drag() {  # x1 y1 x2 y2, window coordinates
    xdotool mousemove $(at "$1" "$2")
    sleep 0.1
    xdotool mousedown 1
    for step in 1 2 3 4; do
        xdotool mousemove $(at $(($1 + ($3 - $1) * step / 4)) $(($2 + ($4 - $2) * step / 4)))
        sleep 0.05
    done
    xdotool mouseup 1
    sleep 0.2
    trace_step
}
click() {
    xdotool mousemove $(at "$1" "$2")
    sleep 0.1
    xdotool click 1
    sleep 0.2
}
keys() {  # xdotool key names, each pressed and released in turn
    xdotool key --delay 60 "$@"
    sleep 0.2
    trace_step
}

hold() {  # xdotool key name: held down for 1.5 s while the X server repeats it as it repeats
    # a held key (a release and a press at one moment, about 25 a second), then let go. Both
    # cores are kept busy meanwhile, as on a classroom laptop: a program slow to read its events
    # is where such a release and press come apart.
    local busy=() i
    for i in 1 2; do
        timeout 3 sh -c 'while :; do :; done' &
        busy+=($!)
    done
    xdotool keydown "$1"
    sleep 1.5
    xdotool keyup "$1"
    kill "${busy[@]}" 2>/dev/null || true
    wait "${busy[@]}" 2>/dev/null || true
    sleep 0.2
    trace_step
}

failures=0
pixel() {  # screenshot name, x, y (window coordinates): prints the colour there
    import -window root "$shots/$1.png"
    convert "$shots/$1.png" -format "%[pixel:p{$((X + $2)),$((Y + $3))}]" info:
}
expect_pixel() {  # name, x, y, expected colour
    local got
    got=$(pixel "$1" "$2" "$3")
    if [ "$got" = "$4" ]; then
        echo "ok   $1: $got"
    else
        echo "FAIL $1: $got, expected $4"
        failures=$((failures + 1))
    fi
}
expect_running() {
    if ! kill -0 "$app_pid" 2>/dev/null; then
        echo "FAIL the program is no longer running"
        failures=$((failures + 1))
    fi
}

grey='srgb(128,128,128)'
lit='srgb(210,210,128)'

expect_glass() { expect_pixel "$1" 315 125 "$2"; }  # name, colour: the bulb at (300, 100)
board_shot() {  # name: the board above the strip, the pointer out of the way
    xdotool mousemove 0 0
    sleep 0.5
    import -window root -crop "582x500+$X+$Y" +repage "$shots/$1.png"
}
expect_same() {  # name of the check, two screenshot names
    local difference
    difference=$(compare -metric AE "$shots/$2.png" "$shots/$3.png" null: 2>&1 || true)
    if [ "$difference" = "0" ]; then echo "ok   $1"; else
        echo "FAIL $1: $difference pixels differ"; failures=$((failures + 1)); fi
}
build_lit_loop() {  # a cell at (100, 100) and a bulb at (300, 100) wired into a loop, lit
    drag 19 530 119 119
    drag 142 530 319 119
    click 183 530      # the line tool
    drag 297 174 97 145
    drag 393 174 193 145
    expect_glass lit "$lit"
}
