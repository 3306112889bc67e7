#!/usr/bin/env bash
# Redraws the program's pictures into data/pictures/ (ImageMagick).
set -euo pipefail
out="$(cd "$(dirname "$0")/.." && pwd)/data/pictures"
mkdir -p "$out"
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# A skull on a transparent or coloured disc; $1 background, $2 bone colour, $3 file.
skull() {
  convert -size 64x64 xc:none \
    -fill "$1" -draw "circle 32,32 32,1" \
    -fill "$2" -draw "circle 32,27 32,9" -draw "roundrectangle 20,34 44,50 4,4" \
    -fill "#1b1b1b" -draw "circle 24,27 24,33" -draw "circle 40,27 40,33" \
    -draw "polygon 32,33 28,40 36,40" \
    -stroke "#1b1b1b" -strokewidth 2 -draw "line 26,44 26,50" -draw "line 32,44 32,50" -draw "line 38,44 38,50" \
    "$tmp/$3.png"
  convert "$tmp/$3.png" -define icon:auto-resize=64,48,32,16 "$out/$3.ico"
}
skull "#3d5a6c" "#efe9d8" SkullIcon
skull "#8a8a8a" "#f4f1e6" GreyBkskull
skull "#2f8f3a" "#f4f1e6" greenSkull
skull "#b3261e" "#f4f1e6" redSkull

# Scroll arrows on a stone button.
arrow() {
  convert -size 24x24 xc:"#c9c2b0" -fill "#5b5140" -stroke "#3b3428" -draw "polygon $1" "BMP3:$out/$2.bmp"
}
arrow "16,4 16,20 6,12" setaes
arrow "8,4 8,20 18,12" setadi
arrow "4,16 20,16 12,6" setaup
arrow "4,8 20,8 12,18" setadn

# An open book for the update buttons.
convert -size 24x24 xc:none -fill "#7a4b24" -draw "roundrectangle 2,5 22,20 2,2" \
  -fill "#f6f0dc" -draw "rectangle 4,6 11,18" -draw "rectangle 13,6 20,18" \
  -stroke "#8b8474" -draw "line 5,9 10,9" -draw "line 5,12 10,12" -draw "line 14,9 19,9" -draw "line 14,12 19,12" \
  "$out/book1.gif"

# The help picture: the map's colour legend in miniature.
convert -size 160x120 xc:"#f4f1e6" -stroke "#3b3428" \
  -fill "#008000" -draw "rectangle 10,10 40,40" -fill "#000080" -draw "rectangle 50,10 80,40" \
  -fill "#00ff00" -draw "rectangle 90,10 120,40" -fill "#ffff00" -draw "rectangle 10,50 40,80" \
  -fill "#808000" -draw "rectangle 50,50 80,80" -fill "#008080" -draw "rectangle 90,50 120,80" \
  -fill "#3b3428" -stroke none -pointsize 11 -draw "text 10,105 'Click a province to see it'" \
  "BMP3:$out/helppic.bmp"
