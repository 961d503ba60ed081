#!/usr/bin/env bash
# Renders the application icon from its SVG into the PNG sizes the desktop's icon theme and
# the window icon use, and the Windows program's .ico (16 to 256 pixels). Run after changing the
# SVG; the pictures are kept in the repository so that a build needs no SVG renderer. Needs
# rsvg-convert (Debian librsvg2-bin) and icotool (icoutils).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
id=org.circuitworkbench.CircuitWorkbench
for size in 16 22 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "$id-$size.png" "$id.svg"
done
# The Windows icon: every size but 22, the largest stored as PNG as Windows expects.
icotool -c -o "$id.ico" "$id-16.png" "$id-32.png" "$id-48.png" "$id-64.png" "$id-128.png" \
    -r "$id-256.png"
