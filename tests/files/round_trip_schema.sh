#!/bin/sh
# The round trip of the random soak's boards through their files (ROUND_TRIP_BOARDS of them,
# 2,000 unless asked otherwise), and every file written, with the examples, checked against the
# file format's JSON Schema.
set -eu
window_tests="$1" schema="$2" examples="$3"
kept=$(mktemp -d)
trap 'rm -rf "$kept"' EXIT
ROUND_TRIP_KEEP="$kept" QT_QPA_PLATFORM=offscreen "$window_tests" \
    --gtest_filter=BoardFile.SoakBoardsComeBackWhole
/usr/bin/python3 "$(dirname "$0")/validate_schema.py" "$schema" "$kept" "$examples"
