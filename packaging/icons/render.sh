#!/bin/sh
# Renders the PNG sizes of the program icons from their SVG drawings. Run it
# after changing a drawing: the PNGs are kept in the repository so that a
# build needs no SVG renderer. Needs rsvg-convert (Debian: librsvg2-bin).
set -eu
cd "$(dirname "$0")/hicolor"
for drawing in scalable/apps/*.svg; do
    name="$(basename "$drawing" .svg)"
    for size in 16 32 48 64 128 256; do
        mkdir -p "${size}x${size}/apps"
        rsvg-convert --width "$size" --height "$size" "$drawing" \
            --output "${size}x${size}/apps/$name.png"
    done
done
