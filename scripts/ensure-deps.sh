#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
# Sourced by run.sh and test.sh so both work on a bare machine and on a ready one.

cw_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libeigen3-dev libgtest-dev libgmock-dev
    libbenchmark-dev xvfb xdotool x11-apps imagemagick)

cw_ensure_deps() {
    local missing=()
    local pkg
    for pkg in "${cw_packages[@]}"; do
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
