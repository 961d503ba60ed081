#!/usr/bin/env bash
# Builds Circuit Workbench and opens its window. Needs only what building and running need:
# a build directory made here leaves the tests and benchmarks out.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
cw_ensure_deps build

options=()
if [ ! -f build/CMakeCache.txt ]; then options=(-DBUILD_TESTING=OFF -DCW_BUILD_BENCH=OFF); fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}"
cmake --build build --target circuit-workbench -j2
exec ./build/app/circuit-workbench "$@"
