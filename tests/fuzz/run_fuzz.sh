#!/usr/bin/env bash
# Builds the circuit file reader with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzzes it for a bounded time (FUZZ_SECONDS, 120 by default),
# starting from the example circuits. Installs clang and its runtime when they are missing.
#   run_fuzz.sh <source folder> <work folder>
set -euo pipefail
source_dir=$1 work=$2
source "$source_dir/scripts/ensure-deps.sh"
cw_ensure_packages clang libclang-rt-14-dev
mkdir -p "$work/corpus"
cp "$source_dir"/data/examples/*.cwb "$work/corpus/"
# shellcheck disable=SC2046
clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
    -I"$source_dir" $(pkg-config --cflags Qt6Core Qt6Gui) \
    "$source_dir/tests/fuzz/board_file_fuzz.cpp" "$source_dir/files/board_file.cpp" \
    "$source_dir/files/board_document.cpp" "$source_dir/model/board.cpp" \
    "$source_dir/model/numeric.cpp" \
    $(pkg-config --libs Qt6Core Qt6Gui) -o "$work/board_file_fuzz"
"$work/board_file_fuzz" -max_total_time="${FUZZ_SECONDS:-120}" -max_len=65536 \
    -rss_limit_mb=4096 "$work/corpus"
