# Installs the Debian packages a step needs, only those that are missing. Sourced by run.sh
# (`cw_ensure_deps build`: what building and running the program need) and by test.sh
# (`cw_ensure_deps test`: that and the test tools), so both work on a bare machine and a ready one.

cw_build_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libeigen3-dev libboost-dev
    qt6-tools-dev qt6-l10n-tools qt6-svg-dev gettext help2man)
cw_test_packages=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool x11-apps x11-utils
    imagemagick dpkg-dev desktop-file-utils appstream dbus at-spi2-core python3-pyatspi
    python3-jsonschema shared-mime-info poppler-utils lintian man-db)

cw_ensure_deps() {
    local wanted=("${cw_build_packages[@]}")
    if [ "${1:-build}" = "test" ]; then wanted+=("${cw_test_packages[@]}"); fi
    cw_ensure_packages "${wanted[@]}"
}

# Installs the named packages that are missing (for the opt-in checks: fuzzing, Windows).
cw_ensure_packages() {
    local wanted=("$@")
    local missing=()
    local pkg
    for pkg in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
