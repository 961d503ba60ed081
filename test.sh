#!/usr/bin/env bash
# Builds everything and runs every test: a normal build (unit, window and end-to-end tests),
# then the unit and window tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
# With CW_WINDOWS=1 it also builds for Windows and checks that build under Wine (long: the first
# run cross-builds Qt). Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
cw_ensure_deps test

export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DCW_BUILD_BENCH=ON
cmake --build build -j2
ctest --test-dir build -j2 --output-on-failure -LE long

if [ "${CW_SKIP_SANITIZERS:-0}" != "1" ]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCW_SANITIZE=ON \
        -DCW_BUILD_BENCH=OFF -DBUILD_TESTING=ON
    cmake --build build-asan -j2
    ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ROUND_TRIP_BOARDS=300 ctest --test-dir build-asan -j2 --output-on-failure -LE "e2e|long|package"
fi
if [ "${CW_WINDOWS:-0}" = "1" ]; then
    ./scripts/windows-build.sh
fi
echo "All tests passed."
