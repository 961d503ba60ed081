#!/usr/bin/env bash
# The Debian package as a school's IT would get it: built with CPack, holding exactly the
# program, its desktop entry, icons, metainfo, the circuit file's MIME type and the example
# circuits under /usr, with computed dependencies; the installed files pass the freedesktop,
# shared-mime-info and AppStream validators, and the MIME database built from them knows a
# circuit file; the program answers --version, and taken out of the package it starts under
# Xvfb and shows its window with the icon set.
#   package_test.sh <build directory>
# Exits 77 (skipped) when a tool is missing, except under CI=true, where that fails.
set -euo pipefail

build=$1
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli update-mime-database \
    Xvfb xdotool xprop; do
    if ! command -v "$tool" >/dev/null; then
        echo "package test: $tool is not installed"
        if [ "${CI:-}" = "true" ]; then exit 1; fi
        exit 77
    fi
done

work=$(mktemp -d)
xvfb= app=
cleanup() {
    [ -n "$app" ] && kill "$app" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack did not make the package"; }
deb=$(ls "$work"/out/circuit-workbench_*_amd64.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no circuit-workbench_<version>_amd64.deb"
echo "package: $(basename "$deb")"

id=org.circuitworkbench.CircuitWorkbench
expected="./usr/bin/circuit-workbench
./usr/share/applications/$id.desktop
./usr/share/metainfo/$id.metainfo.xml
./usr/share/icons/hicolor/scalable/apps/$id.svg
./usr/share/mime/packages/$id.xml
./usr/share/man/man1/circuit-workbench.1.gz
./usr/share/doc/circuit-workbench/copyright
./usr/share/doc/circuit-workbench/changelog.gz"
for size in 16 22 32 48 64 128 256; do
    expected+=$'\n'"./usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
done
for example in ammeters-round-a-series-loop cells-aiding-and-opposing one-bulb \
    resistor-dims-a-bulb series-and-parallel short-circuit switch-controls-a-bulb \
    voltmeters-across-a-series-loop fuse-stops-a-short-circuit task-light-the-bulb \
    task-two-bulbs-equally-bright task-switch-for-one-bulb task-find-the-hidden-resistor \
    task-fix-the-short task-the-right-fuse; do
    # Each in English, German and Spanish.
    for language in "" .de .es; do
        expected+=$'\n'"./usr/share/circuit-workbench/examples/$example$language.cwb"
    done
done
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
if [ "$files" != "$(sort <<<"$expected")" ]; then
    diff <(sort <<<"$expected") <(echo "$files") || true
    fail "the package holds other files than it should"
fi

# Debian's own checks: no error and no warning (the info left is explained in the README).
lintian -I --no-tag-display-limit "$deb" >"$work/lintian.log" 2>&1 || true
if grep -E '^[EW]: ' "$work/lintian.log"; then fail "lintian reports errors or warnings"; fi
echo "lintian: $(grep -c '^[I]: ' "$work/lintian.log" || true) info, no error or warning"

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
grep -q 'libqt6widgets6' <<<"$depends" || fail "dependencies were not computed from the program"
for lib in libqt6svg6 libqt6printsupport6; do
    grep -q "$lib" <<<"$depends" || fail "the package does not depend on $lib"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo"
grep -q '^MimeType=application/vnd.circuitworkbench.board+json;' \
    "$root/usr/share/applications/$id.desktop" || fail "the desktop entry opens no circuit files"
grep -q '^Exec=circuit-workbench %f' "$root/usr/share/applications/$id.desktop" ||
    fail "the desktop entry does not pass the file"
# The MIME database built from what the package installs knows a circuit by its name and by
# its content.
update-mime-database "$root/usr/share/mime" || fail "the MIME definition"
grep -q 'application/vnd.circuitworkbench.board+json:\*\.cwb' "$root/usr/share/mime/globs2" ||
    fail "the MIME database does not know a .cwb file"
grep -q 'application/vnd.circuitworkbench.board+json' "$root/usr/share/mime/magic" ||
    fail "the MIME database does not know a circuit by its content"
grep -qx 'application/vnd.circuitworkbench.board+json' "$root/usr/share/mime/types" ||
    fail "the MIME database has no circuit type"
MANWIDTH=80 man -l "$root/usr/share/man/man1/circuit-workbench.1.gz" >"$work/man.txt" 2>"$work/man.err" ||
    fail "the manual page does not render"
[ ! -s "$work/man.err" ] || { cat "$work/man.err"; fail "the manual page renders with warnings"; }
grep -q -- '--export' "$work/man.txt" || fail "the manual page does not list --export"
grep -q -- '--readings' "$work/man.txt" || fail "the manual page does not list --readings"
entry="$root/usr/share/applications/$id.desktop"
grep -q '^GenericName\[de\]=Schaltungssimulator$' "$entry" || fail "the entry has no German name"
grep -q '^GenericName\[es\]=Simulador de circuitos$' "$entry" || fail "the entry has no Spanish name"
grep -q '^Name\[de\]=' "$entry" && grep -q '^Name\[es\]=' "$entry" || fail "the entry's names"
grep -q 'xml:lang="de"' "$root/usr/share/metainfo/$id.metainfo.xml" || fail "metainfo in German"
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/usr/share/metainfo/$id.metainfo.xml")
version=$("$root/usr/bin/circuit-workbench" --version) || fail "--version failed"
[ "$version" = "Circuit Workbench $(dpkg-deb -f "$deb" Version)" ] || fail "--version: $version"
[ "$release" = "$(dpkg-deb -f "$deb" Version)" ] || fail "the metainfo's release is $release"
echo "version: $version"

# Worksheet figures without a window: every example (in English: the others differ only in
# their words) to PNG, SVG and PDF.
pictures="$work/pictures"
mkdir -p "$pictures"
for example in "$root"/usr/share/circuit-workbench/examples/*.cwb; do
    case "$(basename "$example")" in *.*.cwb) continue ;; esac
    name=$(basename "$example" .cwb)
    for ext in png svg pdf; do
        env -u DISPLAY "$root/usr/bin/circuit-workbench" --export "$pictures/$name.$ext" "$example" ||
            fail "--export $name.$ext"
        [ -s "$pictures/$name.$ext" ] || fail "--export wrote no $name.$ext"
    done
    [ "$(head -c 4 "$pictures/$name.png" | tail -c 3)" = PNG ] || fail "$name.png is no PNG"
    pdfinfo "$pictures/$name.pdf" | grep -q '^Pages: *1$' || fail "$name.pdf is not one page"
    grep -q '<svg' "$pictures/$name.svg" || fail "$name.svg is no SVG"
    # And as a circuit diagram, in each set of symbols, still vector.
    for symbols in iec ansi; do
        for ext in svg pdf; do
            out="$pictures/$name-diagram-$symbols.$ext"
            env -u DISPLAY "$root/usr/bin/circuit-workbench" --export "$out" --view diagram \
                --symbols "$symbols" "$example" || fail "--export --view diagram $name.$ext"
            [ -s "$out" ] || fail "--export wrote no $out"
        done
        grep -q '<svg' "$pictures/$name-diagram-$symbols.svg" || fail "$name diagram is no SVG"
        ! grep -q '<image' "$pictures/$name-diagram-$symbols.svg" ||
            fail "$name diagram's SVG holds a raster image"
    done
done
if env -u DISPLAY "$root/usr/bin/circuit-workbench" --export "$pictures/x.svg" --view plan \
    "$root/usr/share/circuit-workbench/examples/one-bulb.cwb" 2>/dev/null; then
    fail "--view plan was taken"
fi
# A damaged file: a message, a status that is not 0, and nothing written.
echo '{"format": "circuit' >"$work/damaged.cwb"
if env -u DISPLAY "$root/usr/bin/circuit-workbench" --export "$pictures/damaged.png" \
    "$work/damaged.cwb" 2>"$work/export.err"; then
    fail "--export of a damaged file succeeded"
fi
grep -q "damaged.cwb" "$work/export.err" || fail "--export of a damaged file said: $(cat "$work/export.err")"
[ ! -e "$pictures/damaged.png" ] || fail "--export of a damaged file wrote a picture"
echo "export: $(ls "$pictures" | wc -l) pictures"

# Answer keys without a window: every example's readings, one line per part, six fields each.
for example in "$root"/usr/share/circuit-workbench/examples/*.cwb; do
    name=$(basename "$example" .cwb)
    env -u DISPLAY "$root/usr/bin/circuit-workbench" --readings "$example" >"$work/$name.readings" ||
        fail "--readings $name"
    parts=$(python3 -c 'import json,sys; print(sum(not p.get("deleted") for p in json.load(open(sys.argv[1]))["parts"]))' "$example")
    [ "$(wc -l <"$work/$name.readings")" -eq "$parts" ] || fail "--readings $name: not one line a part"
    awk -F'\t' 'NF != 6 { exit 1 }' "$work/$name.readings" || fail "--readings $name: not six fields"
done
# Three ammeters round one loop read one current; voltmeters share out the cell's.
[ "$(awk -F'\t' '$2 == "ammeter" { print $6 }' "$work/ammeters-round-a-series-loop.readings" | sort -u)" = "0.071 A" ] ||
    fail "the ammeters of a series loop disagree: $(cat "$work/ammeters-round-a-series-loop.readings")"
[ "$(awk -F'\t' '$2 == "voltmeter" { print $6 }' "$work/voltmeters-across-a-series-loop.readings" | tr '\n' ' ')" = "0.71 V 0.71 V 1.43 V " ] ||
    fail "the voltmeters read: $(cat "$work/voltmeters-across-a-series-loop.readings")"
# A task's hidden resistor gives away neither its ohms nor its own current and voltage.
grep -qP '^2\tresistor\t\? ohms\t\?\t\?\t$' "$work/task-find-the-hidden-resistor.readings" ||
    fail "the hidden resistor reads: $(cat "$work/task-find-the-hidden-resistor.readings")"
if env -u DISPLAY "$root/usr/bin/circuit-workbench" --readings "$work/damaged.cwb" >/dev/null 2>&1; then
    fail "--readings of a damaged file succeeded"
fi
echo "readings: every example"

display=
for n in $(seq 141 190); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free X display"
Xvfb "$display" -screen 0 800x700x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
ready=
for _ in $(seq 300); do
    xdotool getmouselocation >/dev/null 2>&1 && { ready=1; break; }
    sleep 0.1
done
[ -n "$ready" ] || fail "Xvfb did not start on $display"
XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb "$root/usr/bin/circuit-workbench" \
    >"$work/app.log" 2>&1 &
app=$!
window=
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Circuit Workbench$' 2>/dev/null || true)
    window=${window%%$'\n'*}
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { cat "$work/app.log"; fail "the packaged program showed no window"; }
icon=$(xprop -id "$window" _NET_WM_ICON 2>&1 || true)
grep -q '^_NET_WM_ICON(CARDINAL) = ' <<<"$icon" || fail "the window has no icon: ${icon:0:200}"
# The desktop matches the running window to its entry by the window's class.
class=$(xprop -id "$window" WM_CLASS 2>&1 || true)
wmclass=$(sed -n 's/^StartupWMClass=//p' "$entry")
grep -q "\"$wmclass\"" <<<"$class" || fail "StartupWMClass $wmclass does not match $class"
echo "the packaged program shows its window with its icon and class ($class)"
