#!/usr/bin/env bash
# Renders the win picture (photograph.mvg) as the baseline JPEG the game builds in:
#   resources/make_photograph.sh [SCALE]     (SCALE 3: 1920 x 1440, sharp up to a zoom of 3)
# Needs ImageMagick. The game draws it into the part of its picture box that a 640 x 480
# picture fills at the designed size, scaled smoothly to the window's zoom.
set -euo pipefail
cd "$(dirname "$0")"
scale=${1:-3}
width=$((640 * scale))
height=$((480 * scale))
convert -size "${width}x${height}" gradient:'#7cc3f6-#dff2fd' \
    -draw "scale ${scale},${scale} $(grep -v '^ *#' photograph.mvg | tr '\n' ' ')" \
    -strip -interlace none -sampling-factor 4:2:0 -quality 88 photograph.jpg
echo "photograph.jpg: ${width} x ${height}, $(stat -c %s photograph.jpg) bytes"
