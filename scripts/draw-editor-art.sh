#!/usr/bin/env bash
# Draws the editor's artwork with ImageMagick into resources/editor/ (the
# results are kept in the repository; run again after changing a picture):
#   toolbar.bmp, toolbar-hot.bmp  the toolbar's normal and hot pictures,
#                                 16 x 16 each, light grey the mask colour:
#                                 New, Open, Save, Cut, Copy, Paste, Button,
#                                 Image, Text, Image strip, ActiveX, Preview
#   small.bmp                     16 x 16 frame pictures, teal the mask
#   large.bmp                     32 x 32 frame pictures, light grey the mask
#   tree.bmp                      the object tree's 16 x 16 pictures, red
#                                 the mask (1 system button, 5 element,
#                                 6 text, 11 script, 13 script item,
#                                 14 current page, 15 page, 16 button)
#   editor.ico                    the program's and the document's icon
#   tarvex.ico                    the player's icon, which the editor puts
#                                 into each disc's data folder
# Every bitmap is an 8-bit device-independent bitmap with its own palette.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
OUT="$ROOT/resources/editor"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$OUT"

# tile <file> <size> <background> <draw commands...>
tile() {
  local file=$1 size=$2 bg=$3
  shift 3
  # Without antialiasing: a blended edge would not match the mask colour.
  convert -size "${size}x${size}" "xc:$bg" +antialias "$@" "$file"
}

# Writes an 8-bit BMP (BITMAPINFOHEADER, palette of the colours used) from
# any picture ImageMagick reads.
to_bmp8() {
  convert "$1" -depth 8 ppm:"$WORK/pic.ppm"
  python3 "$ROOT/scripts/ppm-to-bmp8.py" "$WORK/pic.ppm" "$2"
}

# The toolbar's twelve pictures in one palette of strong or bright colours.
toolbar() {
  local bg=$1 ink=$2 paper=$3 accent=$4 blue=$5 out=$6
  local d="$WORK/tb"
  mkdir -p "$d"
  tile "$d/00.png" 16 "$bg" -fill "$paper" -stroke "$ink" -draw "polygon 3,1 10,1 13,4 13,14 3,14" \
    -draw "line 10,1 10,4" -draw "line 10,4 13,4"
  tile "$d/01.png" 16 "$bg" -fill "$accent" -stroke "$ink" -draw "polygon 1,4 6,4 7,6 14,6 14,14 1,14"
  tile "$d/02.png" 16 "$bg" -fill "$blue" -stroke "$ink" -draw "rectangle 1,1 14,14" \
    -fill "$paper" -draw "rectangle 4,2 11,7" -fill "$ink" -draw "rectangle 5,10 10,14"
  tile "$d/03.png" 16 "$bg" -fill none -stroke "$ink" -draw "line 4,1 10,10" -draw "line 11,1 5,10" \
    -draw "circle 4,12 4,14" -draw "circle 11,12 11,14"
  tile "$d/04.png" 16 "$bg" -fill "$paper" -stroke "$ink" -draw "rectangle 1,1 9,10" -draw "rectangle 6,5 14,14"
  tile "$d/05.png" 16 "$bg" -fill "$accent" -stroke "$ink" -draw "rectangle 2,2 11,14" \
    -fill "$paper" -draw "rectangle 7,6 14,14"
  tile "$d/06.png" 16 "$bg" -fill "$blue" -stroke "$ink" -draw "roundrectangle 1,4 14,11 3,3"
  tile "$d/07.png" 16 "$bg" -fill "$paper" -stroke "$ink" -draw "rectangle 1,2 14,13" \
    -fill "$accent" -stroke none -draw "circle 5,6 5,8" -fill "$blue" -draw "polygon 2,12 7,8 10,10 13,7 13,12"
  tile "$d/08.png" 16 "$bg" -fill "$ink" -stroke "$ink" -draw "rectangle 2,2 13,3" -draw "rectangle 7,2 8,13" \
    -draw "rectangle 5,13 10,13"
  tile "$d/09.png" 16 "$bg" -fill "$paper" -stroke "$ink" -draw "rectangle 0,4 4,11" -draw "rectangle 5,4 9,11" \
    -draw "rectangle 10,4 15,11"
  tile "$d/10.png" 16 "$bg" -fill "$blue" -stroke "$ink" -draw "rectangle 1,1 14,14" \
    -fill "$paper" -draw "rectangle 4,4 11,11" -fill "$accent" -stroke none -draw "rectangle 6,6 9,9"
  tile "$d/11.png" 16 "$bg" -fill "$accent" -stroke "$ink" -draw "polygon 4,2 13,8 4,14"
  convert "$d"/*.png +append "$WORK/strip.png"
  to_bmp8 "$WORK/strip.png" "$out"
}
GREY='rgb(192,192,192)'
toolbar "$GREY" 'rgb(64,64,64)' 'rgb(224,224,224)' 'rgb(160,128,32)' 'rgb(48,80,144)' "$OUT/toolbar.bmp"
toolbar "$GREY" 'rgb(0,0,0)' 'rgb(255,255,255)' 'rgb(255,200,0)' 'rgb(0,120,255)' "$OUT/toolbar-hot.bmp"

# Frame pictures: the 16-pixel list on teal, the 32-pixel list on grey;
# one set of three pictures drawn at 16 pixels and enlarged for 32.
frame_list() {
  local size=$1 bg=$2 out=$3 d="$WORK/frame$1"
  mkdir -p "$d"
  tile "$d/0.png" 16 "$bg" -fill white -stroke black -draw "rectangle 2,1 13,14"
  tile "$d/1.png" 16 "$bg" -fill 'rgb(48,80,144)' -stroke black -draw "roundrectangle 1,4 14,11 3,3"
  tile "$d/2.png" 16 "$bg" -fill 'rgb(255,200,0)' -stroke black -draw "polygon 4,2 13,8 4,14"
  convert "$d"/*.png +append -scale "$((size * 100 / 16))%" "$WORK/frame$size.png"
  to_bmp8 "$WORK/frame$size.png" "$out"
}
frame_list 16 'rgb(0,128,128)' "$OUT/small.bmp"
frame_list 32 "$GREY" "$OUT/large.bmp"

# The tree's seventeen pictures; unused places stay plain.
RED='rgb(255,0,0)'
d="$WORK/tree"; mkdir -p "$d"
for i in $(seq -w 0 16); do
  tile "$d/$i.png" 16 "$RED" -fill 'rgb(200,200,200)' -stroke 'rgb(96,96,96)' -draw "rectangle 3,3 12,12"
done
tile "$d/01.png" 16 "$RED" -fill 'rgb(212,208,200)' -stroke black -draw "rectangle 1,4 14,11"
tile "$d/05.png" 16 "$RED" -fill white -stroke black -draw "rectangle 1,2 14,13" \
  -fill 'rgb(0,120,255)' -stroke none -draw "polygon 2,12 7,7 10,10 13,6 13,12"
tile "$d/06.png" 16 "$RED" -fill black -stroke black -draw "rectangle 2,2 13,3" -draw "rectangle 7,2 8,13"
tile "$d/11.png" 16 "$RED" -fill 'rgb(255,240,160)' -stroke black -draw "rectangle 2,1 13,14" \
  -draw "line 4,4 11,4" -draw "line 4,7 11,7" -draw "line 4,10 9,10"
tile "$d/13.png" 16 "$RED" -fill 'rgb(0,160,0)' -stroke black -draw "polygon 4,3 12,8 4,13"
tile "$d/14.png" 16 "$RED" -fill white -stroke 'rgb(0,0,160)' -draw "rectangle 1,1 14,14" \
  -fill 'rgb(0,0,160)' -draw "rectangle 1,1 14,3"
tile "$d/15.png" 16 "$RED" -fill 'rgb(224,224,224)' -stroke 'rgb(96,96,96)' -draw "rectangle 1,1 14,14" \
  -fill 'rgb(128,128,128)' -draw "rectangle 1,1 14,3"
tile "$d/16.png" 16 "$RED" -fill 'rgb(48,80,144)' -stroke black -draw "roundrectangle 1,4 14,11 3,3"
convert "$d"/*.png +append "$WORK/tree.png"
to_bmp8 "$WORK/tree.png" "$OUT/tree.bmp"

# The icon: a page with a play sign, 32 and 16 pixels.
convert -size 32x32 xc:none -fill white -stroke 'rgb(0,0,160)' -strokewidth 2 -draw "rectangle 3,2 28,29" \
  -fill 'rgb(0,0,160)' -draw "rectangle 3,2 28,7" -fill 'rgb(255,160,0)' -stroke none \
  -draw "polygon 11,11 23,18 11,25" "$WORK/icon32.png"
convert "$WORK/icon32.png" -resize 16x16 "$WORK/icon16.png"
convert "$WORK/icon32.png" "$WORK/icon16.png" "$OUT/editor.ico"
convert -size 32x32 xc:none -fill 'rgb(0,96,160)' -stroke black -draw "circle 16,16 16,2" \
  -fill white -stroke none -draw "polygon 12,9 24,16 12,23" "$WORK/player32.png"
convert "$WORK/player32.png" -resize 16x16 "$WORK/player16.png"
convert "$WORK/player32.png" "$WORK/player16.png" "$OUT/tarvex.ico"
echo "Drew the editor's pictures into $OUT"
