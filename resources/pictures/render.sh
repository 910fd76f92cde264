#!/usr/bin/env bash
# Renders the SVG sources into the PNG files the build ships: every picture at its own size
# and at twice that size (name@2x.png) for high-DPI screens, the program icons at the sizes
# desktops look for, and the form templates' preview pictures. The PNGs are committed, so the
# build needs no SVG renderer; run this (it needs rsvg-convert, Debian package librsvg2-bin)
# after changing a drawing, and commit the results.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cd "$here"

size_of() { # prints "WIDTH HEIGHT" of an SVG's root element
    sed -n 's/.*<svg[^>]* width="\([0-9]*\)" height="\([0-9]*\)".*/\1 \2/p' "$1" | head -n 1
}

for program in tessaly vmcntrl; do
    mkdir -p "rendered/$program"
    rm -f "rendered/$program"/*.png
    for svg in "$program"/*.svg; do
        name=$(basename "$svg" .svg)
        read -r width height < <(size_of "$svg")
        rsvg-convert -w "$width" -h "$height" -o "rendered/$program/$name.png" "$svg"
        rsvg-convert -w $((width * 2)) -h $((height * 2)) -o "rendered/$program/$name@2x.png" "$svg"
    done
    for size in 16 24 32 48 64 128 256; do
        mkdir -p "rendered/icons/${size}x${size}"
        rsvg-convert -w "$size" -h "$size" -o "rendered/icons/${size}x${size}/$program.png" "$program/$program.svg"
    done
done

# The wizard shows one preview file per template; it is drawn at twice the 200 x 150 frame.
for svg in ../templates/previews/*.svg; do
    n=$(basename "$svg" .svg)
    rsvg-convert -w 400 -h 300 -o "../templates/$n.im" "$svg"
done
