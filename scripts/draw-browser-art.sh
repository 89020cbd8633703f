#!/usr/bin/env bash
# Draws the controls browser's artwork with ImageMagick into
# resources/browser/ (the results are kept in the repository):
#   zephrane.ico          the program's icon, 32 and 16 pixels
#   ad1.bmp, ad2.bmp      the two pictures the advertisement page shows in turn
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT="$ROOT/resources/browser"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$OUT"

# The icon: a grid of controls under a magnifying glass.
convert -size 32x32 xc:none -fill 'rgb(230,230,230)' -stroke 'rgb(64,64,64)' -draw "rectangle 2,2 21,21" \
  -stroke 'rgb(128,128,128)' -draw "line 2,8 21,8" -draw "line 2,14 21,14" -draw "line 8,2 8,21" -draw "line 14,2 14,21" \
  -fill none -stroke 'rgb(0,64,160)' -strokewidth 3 -draw "circle 18,18 18,10" \
  -strokewidth 4 -draw "line 24,24 30,30" "$WORK/icon32.png"
convert "$WORK/icon32.png" -resize 16x16 "$WORK/icon16.png"
convert "$WORK/icon32.png" "$WORK/icon16.png" "$OUT/zephrane.ico"

# The advertisement: the authoring product's name on two backgrounds.
ad() {
  convert -size 240x80 "gradient:$1-$2" -fill white -stroke black -strokewidth 1 \
    -font DejaVu-Sans-Bold -pointsize 22 -gravity center -annotate +0-10 'LumbrookConfig' \
    -stroke none -pointsize 12 -annotate +0+18 "$3" -type TrueColor BMP3:"$4"
}
ad 'rgb(0,64,160)' 'rgb(0,160,200)' 'Build your own presentation discs' "$OUT/ad1.bmp"
ad 'rgb(160,64,0)' 'rgb(220,160,0)' 'Pages, scripts and ActiveX controls' "$OUT/ad2.bmp"
