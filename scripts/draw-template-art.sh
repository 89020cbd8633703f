#!/usr/bin/env bash
# Draws the artwork of the new-project wizard and of the page templates that
# the editor ships (the results are kept in the repository; run again after
# changing a picture):
#   resources/editor/wizard-name.bmp   the name page's picture
#   resources/templates/<name>.pqt     one template data file per theme
#   resources/templates/content/<Folder>/
#       preview.bmp                    the template list's preview
#       background.bmp                 the page background
#       <kind>-normal.bmp, <kind>-hover.bmp, <kind>-click.bmp
#                                      a button of each kind in its three
#                                      states
#       hover.wav, click.wav           the buttons' sounds
# Every bitmap is an 8-bit device-independent bitmap with its own palette;
# the sounds are short 8-bit mono PCM clicks.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
TEMPLATES="$ROOT/resources/templates"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
FONT=/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf

# Writes an 8-bit BMP (BITMAPINFOHEADER, palette of the colours used) from
# any picture ImageMagick reads, reduced to at most 256 colours.
to_bmp8() {
  convert "$1" +dither -colors 250 -depth 8 ppm:"$WORK/pic.ppm"
  python3 "$ROOT/scripts/ppm-to-bmp8.py" "$WORK/pic.ppm" "$2"
}

# sound <file> <start Hz> <end Hz> <milliseconds>: a falling or rising tone
# that fades out, 8-bit mono at 11025 samples a second.
sound() {
  python3 - "$@" <<'PY'
import math, struct, sys
path, f0, f1, ms = sys.argv[1], float(sys.argv[2]), float(sys.argv[3]), int(sys.argv[4])
rate = 11025
n = rate * ms // 1000
samples, phase = bytearray(), 0.0
for i in range(n):
    t = i / n
    phase += 2 * math.pi * (f0 + (f1 - f0) * t) / rate
    samples.append(128 + int(90 * (1 - t) * math.sin(phase)))
fmt = struct.pack('<HHIIHH', 1, 1, rate, rate, 1, 8)
body = b'fmt ' + struct.pack('<I', len(fmt)) + fmt + b'data' + struct.pack('<I', len(samples)) + bytes(samples)
open(path, 'wb').write(b'RIFF' + struct.pack('<I', 4 + len(body)) + b'WAVE' + body)
PY
}

# button <file> <fill> <edge> <ink> <label> <sunk>: a rounded 96 x 32 button.
button() {
  local file=$1 fill=$2 edge=$3 ink=$4 label=$5 sunk=$6
  local dy=0
  [ "$sunk" = 1 ] && dy=2
  convert -size 96x32 xc:"$edge" \
    -fill "$fill" -stroke "$ink" -strokewidth 2 -draw "roundrectangle 2,$((2 + dy)) 93,$((29 + dy - dy / 2)) 9,9" \
    -stroke none -fill "$ink" -font "$FONT" -pointsize 13 -gravity center -annotate +0+$((dy / 2)) "$label" \
    "$WORK/button.png"
  to_bmp8 "$WORK/button.png" "$file"
}

# The kinds' template sections and the labels their buttons carry.
KINDS="default: exit:Exit shellExecute:Show launchHtml:Web openFolder:Folder runProgram:Run help:Help
browseCD:Browse ok:OK cancel:Cancel back:<_Back next:Next_>"

# theme <file name> <folder> <shown name> <description> <tile> <edge>
#       <normal fill> <hover fill> <click fill> <ink> <background commands...>
theme() {
  local pqt=$1 folder=$2 name=$3 description=$4 tile=$5 edge=$6 normal=$7 hover=$8 click=$9 ink=${10}
  shift 10
  local out="$TEMPLATES/content/$folder"
  mkdir -p "$out"
  convert "$@" "$WORK/background.png"
  to_bmp8 "$WORK/background.png" "$out/background.bmp"
  {
    printf '[main]\r\nname = %s\r\ndescription = %s\r\nfolder = %s\r\n' "$name" "$description" "$folder"
    printf '[browser]\r\nwatermark = background.bmp\r\ntile = %s\r\n' "$tile"
  } > "$TEMPLATES/$pqt"
  for entry in $KINDS; do
    local section=${entry%%:*} label=${entry#*:}
    label=${label//_/ }
    button "$out/$section-normal.bmp" "$normal" "$edge" "$ink" "$label" 0
    button "$out/$section-hover.bmp" "$hover" "$edge" "$ink" "$label" 0
    button "$out/$section-click.bmp" "$click" "$edge" "$ink" "$label" 1
    printf '[%s]\r\nnormalImage = %s-normal.bmp\r\nhoverImage = %s-hover.bmp\r\nclickImage = %s-click.bmp\r\nhoverSound = hover.wav\r\nclickSound = click.wav\r\n' \
      "$section" "$section" "$section" "$section" >> "$TEMPLATES/$pqt"
  done
  sound "$out/hover.wav" 1400 1800 60
  sound "$out/click.wav" 900 300 90
  # The preview: the background with three buttons, at 160 x 120.
  convert "$WORK/background.png" -resize 400x300! \
    \( "$out/next-normal.bmp" \) -geometry +280+250 -composite \
    \( "$out/back-normal.bmp" \) -geometry +24+250 -composite \
    \( "$out/exit-hover.bmp" \) -geometry +152+130 -composite \
    -resize 160x120! "$WORK/preview.png"
  to_bmp8 "$WORK/preview.png" "$out/preview.bmp"
}

rm -rf "$TEMPLATES"
mkdir -p "$TEMPLATES/content"

theme ocean.pqt Ocean "Ocean" "Deep blue water with waves; light blue buttons." true "#123c6e" \
  "#9fd3f5" "#d2efff" "#5a9fd0" "#0b2748" \
  -size 64x64 xc:"#123c6e" -fill none -stroke "#2f6aa8" -strokewidth 3 \
  -draw "bezier 0,16 16,4 32,28 48,16 64,4" -draw "bezier 0,48 16,36 32,60 48,48 64,36"

theme forest.pqt Forest "Forest" "Green leaves on a mossy ground; wooden buttons." true "#1f4a22" \
  "#c9a26b" "#e6c48d" "#8d6a3a" "#2b1a08" \
  -size 64x64 xc:"#1f4a22" -fill "#2f6b33" -stroke "#163a19" \
  -draw "ellipse 16,16 10,5 30,330" -draw "ellipse 48,44 10,5 200,150" -draw "ellipse 50,12 6,3 0,360"

theme sunset.pqt Sunset "Sunset" "An evening sky from gold to purple, one picture for the whole page; warm buttons." false "#3a1d4a" \
  "#ffb347" "#ffd27f" "#e07b00" "#3a1d4a" \
  -size 400x300 gradient:"#ffcf6b-#5a2a78" -fill "#ffe9a8" -stroke none -draw "circle 200,210 200,160"

# The wizard's name page: a folder on a disc, on a blue band.
convert -size 120x314 gradient:"#2a5d9f-#0e2340" \
  -fill "#c0c0c0" -stroke "#ffffff" -strokewidth 2 -draw "circle 60,150 60,100" \
  -fill "#0e2340" -stroke none -draw "circle 60,150 60,138" \
  -fill "#f5c542" -stroke "#7a5a10" -strokewidth 1 -draw "polygon 30,206 52,206 58,214 92,214 92,250 30,250" \
  "$WORK/wizard.png"
to_bmp8 "$WORK/wizard.png" "$ROOT/resources/editor/wizard-name.bmp"
