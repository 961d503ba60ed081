#!/usr/bin/env bash
# A learner's session on the real program: started under Xvfb, driven by xdotool, checked by
# the colour of the bulb's glass in screenshots.
#   learner_session.sh <path to circuit-workbench> [directory for screenshots]
# Exits 77 (skipped) when Xvfb or xdotool is missing, except under CI=true, where that fails.
set -euo pipefail

app=$1
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"

for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "end-to-end test: $tool is not installed"
        if [ "${CI:-}" = "true" ]; then exit 1; fi
        exit 77
    fi
done

display=
for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "no free X display"; exit 1; }

Xvfb "$display" -screen 0 800x700x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done

if [[ "$app" == *.exe ]]; then
    # The Windows build, under Wine (CW_WINE names it; Debian 12 keeps wine64 off PATH).
    env -u QT_QPA_PLATFORM WINEDEBUG=-all "${CW_WINE:-wine}" "$app" >"$shots/app.log" 2>&1 &
else
    env -u QT_QPA_PLATFORM QT_QPA_PLATFORM=xcb "$app" >"$shots/app.log" 2>&1 &
fi
app_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name "Circuit Workbench" | head -1)
[ -n "$window" ] || { echo "the window did not appear"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y: the window's screen position
sleep 0.5

at() { echo $((X + $1)) $((Y + $2)); }
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
    if [ -n "${CW_E2E_TRACE:-}" ]; then
        trace=$((${trace:-0} + 1))
        import -window root "$shots/step-$trace.png"
    fi
}
click() {
    xdotool mousemove $(at "$1" "$2")
    sleep 0.1
    xdotool click 1
    sleep 0.2
}
failures=0
expect_glass() {  # name, expected colour
    import -window root "$shots/$1.png"
    local got
    got=$(convert "$shots/$1.png" -format "%[pixel:p{$((X + 315)),$((Y + 125))}]" info:)
    if [ "$got" = "$2" ]; then
        echo "ok   $1: glass $got"
    else
        echo "FAIL $1: glass $got, expected $2"
        failures=$((failures + 1))
    fi
}

grey='srgb(128,128,128)'
lit='srgb(210,210,128)'

# The palette row starts at the strip's left: slots of 41, 39 wide, from y = 511.
drag 19 530 119 119    # a cell to (100, 100)
drag 142 530 319 119   # a bulb to (300, 100)
drag 60 530 219 319    # a switch to (200, 300)
expect_glass placed "$grey"

click 183 530          # the line tool
drag 297 174 97 145    # bulb's first terminal to the cell's first
drag 193 145 197 345   # cell's second to the switch's first
drag 293 345 393 174   # switch's second to the bulb's second
expect_glass wired-switch-open "$grey"

click 245 325          # close the switch
expect_glass switch-closed "$lit"
click 245 325
expect_glass switch-open-again "$grey"
click 245 325
expect_glass lit "$lit"

click 224 530          # the pencil, over the first wire
drag 200 130 200 190
import -window root "$shots/pencil.png"
stroke=$(convert "$shots/pencil.png" -format "%[fx:int(255*p{$((X + 200)),$((Y + 135))}.intensity)]" info:)
if [ "$stroke" -lt 64 ]; then echo "ok   pencil stroke drawn"; else echo "FAIL pencil: $stroke"; failures=$((failures + 1)); fi
expect_glass pencil-leaves-the-circuit "$lit"

click 265 530          # the delete tool, on the first wire away from the stroke
click 250 167
expect_glass wire-deleted "$grey"

if ! kill -0 "$app_pid" 2>/dev/null; then
    echo "FAIL the program is no longer running"
    failures=$((failures + 1))
fi
echo "screenshots in $shots"
[ "$failures" -eq 0 ]
