#!/usr/bin/env bash
# Draws the about dialog's picture (AboutPicture.jpg) and the application icon (AppIcon.png):
# an optical cable hanging between two supports. Needs ImageMagick's `convert`.
# Usage: ui/resources/make-images.sh   (writes next to this script)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# The picture: 216 x 276, shown stretched to 144 x 184 in the about dialog.
# Sky, a field, two lattice supports and the cable's sag between their tops. Each curve is
# drawn there and back, so that the stroke of the path does not close it with a straight line.
convert -size 216x276 gradient:'#5b8fd6'-'#dcecfb' \
    -fill '#7fae5a' -draw 'rectangle 0,214 215,275' \
    -fill '#5f8f43' -draw 'rectangle 0,214 215,220' \
    -stroke '#4a4a4a' -strokewidth 3 -fill none \
    -draw 'line 30,214 40,70' -draw 'line 50,214 40,70' \
    -draw 'line 166,214 176,70' -draw 'line 186,214 176,70' \
    -strokewidth 1 \
    -draw 'line 33,170 47,170' -draw 'line 35,130 45,130' -draw 'line 37,100 43,100' \
    -draw 'line 33,170 45,130' -draw 'line 47,170 35,130' \
    -draw 'line 169,170 183,170' -draw 'line 171,130 181,130' -draw 'line 173,100 179,100' \
    -draw 'line 169,170 181,130' -draw 'line 183,170 171,130' \
    -strokewidth 3 -draw 'line 26,84 54,84' -draw 'line 162,84 190,84' \
    -stroke '#111111' -strokewidth 3 -fill none \
    -draw "path 'M 40,86 Q 108,160 176,86 Q 108,160 40,86'" \
    -stroke '#ff8c00' -strokewidth 1 \
    -draw "path 'M 40,84 Q 108,158 176,84 Q 108,158 40,84'" \
    -stroke none -fill '#ffffff' -draw 'circle 40,86 40,89' -draw 'circle 176,86 176,89' \
    -quality 85 "$here/AboutPicture.jpg"

# The icon: 32 x 32, two supports and the cable on a light square.
convert -size 32x32 xc:'#eaf3fd' \
    -stroke '#2b5fa8' -strokewidth 1 -fill none -draw 'rectangle 0,0 31,31' \
    -stroke '#4a4a4a' -strokewidth 2 \
    -draw 'line 6,28 6,8' -draw 'line 26,28 26,8' -draw 'line 3,9 9,9' -draw 'line 23,9 29,9' \
    -stroke '#d02000' -strokewidth 2 -fill none -draw "path 'M 6,10 Q 16,26 26,10 Q 16,26 6,10'" \
    -define png:exclude-chunks=date,time -strip "$here/AppIcon.png"
