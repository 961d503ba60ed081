#!/usr/bin/env bash
# Builds Circuit Workbench and opens its window.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/ensure-deps.sh
cw_ensure_deps

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target circuit-workbench -j2
exec ./build/app/circuit-workbench "$@"
