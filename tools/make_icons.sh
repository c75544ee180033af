#!/bin/sh
# Renders the game's icon at every size the desktop asks for from the one SVG,
# but 16: the 16-pixel icon is drawn by hand, pixel by pixel, since a reduction
# of the SVG blurs the face away. The symbolic icon is an SVG of its own.
# Run from anywhere after editing data/desktop/icons/org.whiskerdash.Whiskerdash.svg;
# the PNGs are committed. Needs rsvg-convert (Debian: librsvg2-bin).
set -eu
icons=$(cd "$(dirname "$0")/../data/desktop/icons" && pwd)
for size in 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "$icons/$size.png" \
        "$icons/org.whiskerdash.Whiskerdash.svg"
done
