#!/bin/sh
# Draws the window icon (a page with a folded corner and text lines on a blue tile) at 1024 px
# and writes the four sizes the program loads. Needs ImageMagick.
set -e
cd "$(dirname "$0")"
big=$(mktemp --suffix=.png)
convert -size 1024x1024 xc:none \
    -fill '#2F6FED' -draw 'roundrectangle 40,40 984,984 200,200' \
    -fill '#FFFFFF' -draw 'polygon 270,190 620,190 770,340 770,834 270,834' \
    -fill '#DBE7FF' -draw 'polygon 620,190 620,340 770,340' \
    -fill '#2F6FED' -draw 'roundrectangle 350,430 690,480 25,25' \
    -fill '#2F6FED' -draw 'roundrectangle 350,540 690,590 25,25' \
    -fill '#2F6FED' -draw 'roundrectangle 350,650 580,700 25,25' \
    "$big"
for size in 16 32 48 256; do
    convert "$big" -filter Lanczos -resize ${size}x${size} -strip PNG32:Dovrix-$size.png
done
rm -f "$big"
