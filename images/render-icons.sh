#!/bin/sh
# Renders the toolbar and window icons from the SVG files in this folder into
# the PNG files the programs load. Run it from anywhere after editing an SVG;
# needs rsvg-convert (Debian package librsvg2-bin) at authoring time only.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
size=48
for name in star open print play solve_completely cancel play_by_hand quit zoom_in zoom_out help; do
    rsvg-convert --width "$size" --height "$size" "$here/$name.svg" -o "$here/$name.png"
done
