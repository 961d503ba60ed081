#!/usr/bin/env bash
# Renders the application icon from its SVG into the PNG sizes the desktop's icon theme and
# the window icon use. Run after changing the SVG; the PNGs are kept in the repository so that
# a build needs no SVG renderer. Needs rsvg-convert (Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
id=org.circuitworkbench.CircuitWorkbench
for size in 16 22 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "$id-$size.png" "$id.svg"
done
