#!/usr/bin/env bash
# Builds Circuit Workbench for Windows on a Debian machine and checks it under Wine:
#   1. installs MinGW-w64 (posix threads), Wine, Xvfb and the other tools it needs;
#   2. cross-builds a static Qt (Core, Gui, Widgets, PrintSupport, the Windows platform plugin,
#      and Svg) from Debian's own qt6-base and qt6-svg sources, once, into a cache outside the repository (CW_WINDOWS_CACHE, by
#      default ~/.cache/circuit-workbench-windows), and reuses it on later runs;
#   3. cross-builds the program and its Qt-free unit tests;
#   4. makes circuit-workbench-<version>-windows-x64.zip (one static .exe, the licence, a
#      short readme, the examples) for portable use, the per-user installer
#      circuit-workbench-<version>-windows-x64-setup.exe (NSIS) and the per-machine package
#      circuit-workbench-<version>-x64.msi (wixl) in build-windows/, and checks the program's
#      icon, version and manifest;
#   5. under Wine and Xvfb: runs the unit tests; installs the program silently with each
#      installer, runs the learner's end-to-end sessions (mouse, and keyboard alone) against the
#      installed program, uninstalls it silently and checks that nothing it put there is left;
#      for the MSI also the interface font the program reports and an upgrade in place.
# Run by `CW_WINDOWS=1 ./test.sh` or on its own. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD
cache=${CW_WINDOWS_CACHE:-$HOME/.cache/circuit-workbench-windows}
out=$src/build-windows
mkdir -p "$cache" "$out"

sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive

# 1. Tools. Debian 12 keeps wine64 off PATH.
packages=(cmake ninja-build g++ qt6-base-dev g++-mingw-w64-x86-64-posix
    gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 xvfb xdotool
    imagemagick x11-apps zip unzip dpkg-dev libgtest-dev libeigen3-dev libboost-dev qt6-tools-dev
    qt6-l10n-tools icoutils fonts-wine nsis wixl msitools)
missing=()
for pkg in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)

# 2. Qt for the target, built once.
qt=$cache/qt
toolchain=$cache/mingw-w64-x86_64.cmake  # Qt's own toolchain file loads it from here
cat >"$toolchain" <<'CMAKE'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
CMAKE
# The marker names what the build holds, so a cache from before a module was added is made again.
built=$qt/.built-base-printsupport-svg
if [ ! -f "$built" ]; then
    started=$(date +%s)
    rm -rf "$qt"
    if [ ! -d "$cache/src" ] || ! ls -d "$cache"/src/qt6-base-*/ >/dev/null 2>&1; then
        # Debian's source of the same Qt as the host tools: a deb-src entry made from the
        # machine's own deb entries, used once and removed again.
        list=/etc/apt/sources.list.d/circuit-workbench-src.sources
        if [ -f /etc/apt/sources.list.d/debian.sources ]; then
            sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
                "${sudo[@]}" tee "$list" >/dev/null
        else
            grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
                "${sudo[@]}" tee "${list%.sources}.list" >/dev/null
        fi
        "${sudo[@]}" apt-get update -q
        rm -rf "$cache/src"
        mkdir -p "$cache/src"
        (cd "$cache/src" && apt-get source -q --download-only qt6-base &&
            dpkg-source -x --skip-patches qt6-base_*.dsc) || status=$?
        # Svg is wanted but not vital: a mirror without its source gives a build that exports
        # PNG and PDF only, and says so.
        (cd "$cache/src" && apt-get source -q --download-only qt6-svg &&
            dpkg-source -x --skip-patches qt6-svg_*.dsc) ||
            echo "WARNING: no qt6-svg source; the Windows program will have no SVG export"
        "${sudo[@]}" rm -f "$list" "${list%.sources}.list"
        "${sudo[@]}" apt-get update -q
        [ -z "${status:-}" ] || exit "$status"
    fi
    qtsrc=$(ls -d "$cache"/src/qt6-base-*/ | head -n 1)
    # Only what the program needs: Core, Gui, Widgets, PrintSupport and the Windows platform
    # plugin, static; then Svg on top of them.
    cmake -S "$qtsrc" -B "$cache/qt-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_testlib=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
        -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF \
        -DFEATURE_tabletevent=OFF -DINPUT_opengl=no -DFEATURE_direct2d=OFF \
        -DFEATURE_directwrite3=OFF
    cmake --build "$cache/qt-build" -j2
    cmake --install "$cache/qt-build"
    svgsrc=$(ls -d "$cache"/src/qt6-svg-*/ 2>/dev/null | head -n 1 || true)
    [ -z "$svgsrc" ] || cmake -S "$svgsrc" -B "$cache/svg-build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DCMAKE_INSTALL_PREFIX="$qt" -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    if [ -n "$svgsrc" ]; then
        cmake --build "$cache/svg-build" -j2
        cmake --install "$cache/svg-build"
    fi
    touch "$built"
    rm -rf "$cache/qt-build" "$cache/svg-build" "$cache/src"  # the installed Qt is all later runs need
    echo "Qt for Windows built in $(( $(date +%s) - started )) s; cache: $(du -sh "$cache" | cut -f1)"
fi

# 3. The program and its Qt-free unit tests, against that Qt.
version=$(sed -n 's/^project(CircuitWorkbench VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
# Boost's header-only Multiprecision serves the cross build too, through a folder holding only
# boost/ (the rest of /usr/include is the build machine's own C library).
mkdir -p "$out/boost-include"
ln -sfn /usr/include/boost "$out/boost-include/boost"
cmake -S "$src" -B "$out/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" -DEigen3_DIR=/usr/share/eigen3/cmake \
    -DCW_BOOST_INCLUDE="$out/boost-include" \
    -DBUILD_TESTING=ON -DCW_BUILD_BENCH=OFF -DCW_GTEST_SOURCE=/usr/src/googletest
cmake --build "$out/build" -j2

# 4. The zip: the program, the licence, a short readme and the example circuits.
stage=$out/circuit-workbench-$version-windows-x64
rm -rf "$stage" "$stage.zip"
mkdir -p "$stage"
cp "$out/build/app/circuit-workbench.exe" "$stage/"
x86_64-w64-mingw32-strip "$stage/circuit-workbench.exe"
cp LICENSE "$stage/LICENSE.txt"
mkdir -p "$stage/examples"
cp data/examples/*.cwb "$stage/examples/"
cat >"$stage/README.txt" <<TEXT
Circuit Workbench $version for Windows (64-bit)

A teaching tool for simple direct-current circuits: drag battery cells, switches, resistors
and bulbs onto the board, join them with wires (line tool), click switches and resistors to
change them, delete with the delete tool, and watch every bulb glow with the current through
it. The pencil draws notes over the board.

Unzip the folder anywhere and double-click circuit-workbench.exe; nothing needs installing.
File > Save keeps a circuit and its notes in a .cwb file; the examples folder holds ready-made
circuits (File > Open Example has them too).
Licence: GNU General Public License, version 3 or later (LICENSE.txt).
TEXT
(cd "$out" && zip -qr "$(basename "$stage").zip" "$(basename "$stage")")
echo "made $stage.zip ($(du -h "$stage.zip" | cut -f1))"
imports=$(x86_64-w64-mingw32-objdump -p "$stage/circuit-workbench.exe" | sed -n 's/^\s*DLL Name: //p')
echo "the program imports: $(echo $imports)"
for dll in $imports; do
    case "${dll,,}" in
        libstdc++*|libgcc*|libwinpthread*|qt6*) echo "FAIL: it needs $dll beside it"; exit 1 ;;
    esac
done

# The program's own resources: the icon in every size, the version the project has, the manifest.
exe=$stage/circuit-workbench.exe
wrestool -x --type=14 "$exe" >"$out/icon.ico"
sizes=$(icotool -l "$out/icon.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | tr '\n' ' ')
echo "icon sizes: $sizes"
[ "$sizes" = "16 32 48 64 128 256 " ] || { echo "FAIL: the icon holds $sizes"; exit 1; }
strings=$(wrestool -x --raw --type=16 "$exe" | tr -d '\0')
for field in FileVersion ProductVersion; do
    grep -aq "$field$version" <<<"$strings" || { echo "FAIL: no $field $version"; exit 1; }
done
grep -aq "ProductNameCircuit Workbench" <<<"$strings" || { echo "FAIL: no product name"; exit 1; }
grep -aq "GPL-3.0-or-later" <<<"$strings" || { echo "FAIL: no licence"; exit 1; }
grep -q 'activeCodePage' <<<"$(wrestool -x --raw --type=24 "$exe")" || { echo "FAIL: no manifest"; exit 1; }
echo "resources: icon, version $version, manifest"

# The installer, from the same files as the zip.
setup=$out/$(basename "$stage")-setup.exe
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$src/data/icons/org.circuitworkbench.CircuitWorkbench.ico" \
    -DOUTFILE="$setup" data/windows/installer.nsi
echo "made $setup ($(du -h "$setup" | cut -f1))"

# The per-machine package for school IT, from the same files: wixl reads the WiX source and a
# fragment listing the examples (wixl-heat), with paths relative to build-windows/.
msi_for() {  # version, output
    cp "$src/data/icons/org.circuitworkbench.CircuitWorkbench.ico" "$out/circuit-workbench.ico"
    (cd "$stage" && find examples -type f -name '*.cwb' | LC_ALL=C sort |
        wixl-heat --prefix examples/ --directory-ref EXAMPLES --var var.Examples \
            --component-group Examples) >"$out/examples.wxs"
    (cd "$out" && wixl -a x64 -D Version="$1" -D Stage="$(basename "$stage")" \
        -D Examples="$(basename "$stage")/examples" -D Icon=circuit-workbench.ico \
        -o "$2" "$src/data/windows/circuit-workbench.wxs" examples.wxs)
}
msi=$out/circuit-workbench-$version-x64.msi
msi_for "$version" "$msi"
echo "made $msi ($(du -h "$msi" | cut -f1))"

# 5. Under Wine: the unit tests; the program installed silently, its sessions run against the
# installed copy, and uninstalled silently again.
export WINEPREFIX=$cache/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver=${wine%/*}/wineserver
[ -x "$wineserver" ] || wineserver=wineserver
"$wine" wineboot --init >/dev/null 2>&1 || true
# Windows' interface face. Windows gives its dialog font as MS Shell Dlg, which Wine maps to its
# own Tahoma; Debian's Wine leaves its fonts out of the prefix, and without them every interface
# face fell back to the first face the prefix had, a serif math face from the build machine.
winfonts="$WINEPREFIX/drive_c/windows/Fonts"
cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$winfonts/"
"$wine" "$out/build/tests/unit_tests.exe"
"$wine" "$setup" /S
"$wineserver" -w
users=$WINEPREFIX/drive_c/users/$(id -un)
installed="$users/AppData/Local/Programs/Circuit Workbench"
shortcut="$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Circuit Workbench.lnk"
for f in circuit-workbench.exe uninstall.exe LICENSE.txt examples/one-bulb.cwb; do
    [ -f "$installed/$f" ] || { echo "FAIL: the installer put no $f"; exit 1; }
done
cmp -s "$installed/circuit-workbench.exe" "$stage/circuit-workbench.exe" ||
    { echo "FAIL: the installed program is not the zip's"; exit 1; }
[ -f "$shortcut" ] || { echo "FAIL: no Start-menu entry"; exit 1; }
registry() { "$wine" reg query "$1" 2>/dev/null | tr -d '\r'; }
# Read whole before grep looks at them: grep -q leaving early would break the pipe.
grep -q CircuitWorkbench.Circuit <<<"$(registry 'HKCU\Software\Classes\.cwb')" ||
    { echo "FAIL: .cwb files are not associated"; exit 1; }
grep -q 'circuit-workbench.exe" "%1"' \
    <<<"$(registry 'HKCU\Software\Classes\CircuitWorkbench.Circuit\shell\open\command')" ||
    { echo "FAIL: no open command"; exit 1; }
grep -q "DisplayVersion.*$version" \
    <<<"$(registry 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\CircuitWorkbench')" ||
    { echo "FAIL: not in Add/Remove Programs"; exit 1; }
echo "installed: program, examples, Start-menu entry, .cwb association, uninstaller"
# The learner's sessions against an installed program. Wine's desktop process keeps the display
# of the first program of a server's life: the sessions' programs need a server started under
# their own display. Each session starts as a new user would: no recovery copy from a session
# before it (the sessions end their program by killing it, which leaves one, as a crash would).
userdata="$users/AppData/Roaming/Circuit Workbench"
sessions() {  # program, name of the run
    "$wineserver" -w
    rm -rf "$userdata"
    CW_WINE=$wine CI=true tests/e2e/learner_session.sh "$1" "$out/e2e-shots-$2"
    "$wineserver" -w
    rm -rf "$userdata"
    CW_WINE=$wine CI=true tests/e2e/keyboard_session.sh "$1" "$out/e2e-keyboard-$2"
    "$wineserver" -w
    rm -rf "$userdata"
}
sessions "$installed/circuit-workbench.exe" nsis
"$wine" "$installed/uninstall.exe" /S
# The uninstaller finishes from a copy of itself: wait until it has taken the folder away, then
# for it to end.
for _ in $(seq 120); do [ -e "$installed" ] || break; sleep 0.5; done
"$wineserver" -w
for left in "$installed" "$shortcut"; do
    [ ! -e "$left" ] || { echo "FAIL: the uninstaller left $left"; exit 1; }
done
for key in 'HKCU\Software\Classes\.cwb' 'HKCU\Software\Classes\CircuitWorkbench.Circuit' \
    'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\CircuitWorkbench'; do
    # Wine's reg says on standard output too that a key is missing: look for values.
    if grep -q 'REG_' <<<"$(registry "$key")"; then echo "FAIL: the uninstaller left $key"; exit 1; fi
done
echo "uninstalled: nothing left"

# The per-machine package as school IT pushes it: msiexec, silent, for every user.
machine="$WINEPREFIX/drive_c/Program Files/Circuit Workbench"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }
# The product codes Add/Remove Programs lists as Circuit Workbench.
products() {
    registry "$uninstall_key" | grep '^HKEY' | while read -r key; do
        if grep -q 'DisplayName.*Circuit Workbench' <<<"$(registry "$key")"; then echo "${key##*\\}"; fi
    done
}
# Windows puts an all-users package's shortcut in the all-users Start menu; Wine's installer
# resolves the folder to the installing user's.
machine_shortcut() {
    for dir in "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" \
        "$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"; do
        [ ! -f "$dir/Circuit Workbench.lnk" ] || { echo "$dir/Circuit Workbench.lnk"; return; }
    done
}
"$wine" msiexec /i "$msi" /qn
"$wineserver" -w
for f in circuit-workbench.exe circuit-workbench.ico LICENSE.txt README.txt examples/one-bulb.cwb; do
    [ -f "$machine/$f" ] || { echo "FAIL: the MSI put no $f in Program Files"; exit 1; }
done
[ "$(ls "$machine/examples" | wc -l)" = "$(ls "$stage/examples" | wc -l)" ] ||
    { echo "FAIL: the MSI put not every example"; exit 1; }
cmp -s "$machine/circuit-workbench.exe" "$stage/circuit-workbench.exe" ||
    { echo "FAIL: the MSI's program is not the zip's"; exit 1; }
shortcut_msi=$(machine_shortcut)
[ -n "$shortcut_msi" ] || { echo "FAIL: the MSI made no Start-menu entry"; exit 1; }
grep -q CircuitWorkbench.Circuit <<<"$(registry 'HKLM\Software\Classes\.cwb')" ||
    { echo "FAIL: .cwb files are not associated for the machine"; exit 1; }
grep -q 'Program Files\\Circuit Workbench\\circuit-workbench.exe" "%1"' \
    <<<"$(registry 'HKLM\Software\Classes\CircuitWorkbench.Circuit\shell\open\command')" ||
    { echo "FAIL: no machine-wide open command"; exit 1; }
grep -q 'Extension.*\.cwb' <<<"$(registry \
    'HKLM\Software\Classes\MIME\Database\Content Type\application/vnd.circuitworkbench.board+json')" ||
    { echo "FAIL: no MIME entry"; exit 1; }
code=$(product_code "$msi")
entry=$(registry "$uninstall_key\\$code")
for field in "DisplayName.*Circuit Workbench" "DisplayVersion.*$version" \
    "Publisher.*The Circuit Workbench developers" "UninstallString.*MsiExec.exe /X$code"; do
    grep -q "$field" <<<"$entry" || { echo "FAIL: Add/Remove Programs lacks $field"; exit 1; }
done
# The icon Add/Remove Programs shows: the installer keeps the package's icon under its code.
[ -f "$WINEPREFIX/drive_c/windows/Installer/$code/CircuitWorkbench.ico" ] ||
    { echo "FAIL: no icon for Add/Remove Programs"; exit 1; }
echo "MSI installed for the machine: Program Files, examples, ${shortcut_msi#"$WINEPREFIX/"},"
echo "  .cwb association and MIME type in HKLM, Add/Remove Programs ($code, $version)"
# The interface font, as the installed program reports what it got: Windows' interface face
# (here Wine's Tahoma) for the application, menus, status bar, dialogs and help; and where that
# face is missing, a sans face like it, never the serif stand-in.
font_report() {
    "$wineserver" -w
    rm -f "$out/fonts.txt"
    Xvfb :94 -screen 0 1024x768x24 >/dev/null 2>&1 &
    local xvfb=$!
    sleep 1
    DISPLAY=:94 CW_QUIT_WHEN_SHOWN=1 CW_REPORT_FONTS="Z:${out//\//\\}\\fonts.txt" \
        timeout 120 "$wine" "$machine/circuit-workbench.exe" >/dev/null 2>&1 || true
    "$wineserver" -w
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null || true
    grep -v '^installed' "$out/fonts.txt" || true
}
report=$(font_report)
sed 's/^/  interface font: /' <<<"$report"
[ "$(grep -c ': Tahoma [0-9]' <<<"$report")" = 5 ] ||
    { echo "FAIL: the interface is not in Windows' interface face"; exit 1; }
mkdir -p "$out/fonts-away"
mv "$winfonts"/tahoma*.ttf "$out/fonts-away/"
report=$(font_report)
mv "$out/fonts-away"/tahoma*.ttf "$winfonts/"
sed 's/^/  without Tahoma: /' <<<"$report"
sans='Segoe UI|Microsoft Sans Serif|Arial|Verdana|DejaVu Sans|Noto Sans|Liberation Sans|Cantarell'
[ "$(grep -cE ": ($sans) [0-9]" <<<"$report")" = 5 ] ||
    { echo "FAIL: without Tahoma the interface is not in a sans face"; exit 1; }
echo "interface font: Tahoma, and a sans face without it"
sessions "$machine/circuit-workbench.exe" msi
# A newer package replaces this one in place: one entry, the newer version, the same folder.
IFS=. read -r major minor patch <<<"$version"
newer=$major.$minor.$((patch + 1))
msi_newer=$out/upgrade-check-$newer-x64.msi
msi_for "$newer" "$msi_newer"
code_newer=$(product_code "$msi_newer")
"$wine" msiexec /i "$msi_newer" /qn
"$wineserver" -w
[ "$(products)" = "$code_newer" ] ||
    { echo "FAIL: after the upgrade Add/Remove Programs lists $(products | xargs)"; exit 1; }
grep -q "DisplayVersion.*$newer" <<<"$(registry "$uninstall_key\\$code_newer")" ||
    { echo "FAIL: the newer package is not installed"; exit 1; }
[ -f "$machine/circuit-workbench.exe" ] || { echo "FAIL: the upgrade lost the program"; exit 1; }
echo "MSI upgrade: $version replaced in place by $newer (one entry, $code_newer)"
"$wine" msiexec /x "$msi_newer" /qn
"$wineserver" -w
rm -f "$msi_newer"
[ ! -e "$machine" ] || { echo "FAIL: the MSI's removal left $machine"; exit 1; }
[ -z "$(products)" ] || { echo "FAIL: Add/Remove Programs still lists it"; exit 1; }
[ -z "$(machine_shortcut)" ] || { echo "FAIL: the MSI's removal left the shortcut"; exit 1; }
for key in 'HKLM\Software\Classes\.cwb' 'HKLM\Software\Classes\CircuitWorkbench.Circuit' \
    'HKLM\Software\Classes\MIME\Database\Content Type\application/vnd.circuitworkbench.board+json' \
    'HKLM\Software\Circuit Workbench' "$uninstall_key\\$code_newer"; do
    if grep -q 'REG_' <<<"$(registry "$key")"; then echo "FAIL: the MSI's removal left $key"; exit 1; fi
done
echo "MSI removed (msiexec /x /qn): nothing left"
echo "Windows build checked under Wine."
