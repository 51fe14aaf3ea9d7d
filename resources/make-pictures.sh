#!/usr/bin/env bash
# Draws the launcher's pictures with ImageMagick: the hidden button pictures BButton of the
# strip (faces of the picture buttons and CommandWeb's two pictures) and the Help box's two
# pictures ImageHelpPics. The PNGs are kept in the repository; run this after changing a design.
set -euo pipefail
cd "$(dirname "$0")/pictures"

font=DejaVu-Sans-Bold

# face NAME TOP BOTTOM BORDER: a rounded button face with a vertical gradient, drawn large and
# scaled down so the corners are smooth.
face() {
    local name=$1 top=$2 bottom=$3 border=$4
    convert -size 256x96 "gradient:$top-$bottom" \
        \( -size 256x96 xc:none -fill white -draw 'roundrectangle 0,0 255,95 20,20' \) \
        -alpha set -compose DstIn -composite \
        -fill none -stroke "$border" -strokewidth 4 -draw 'roundrectangle 2,2 253,93 19,19' \
        -resize 64x24 -strip "PNG32:$name"
}

face BButton0.png '#5d8fd0' '#2f5f9e' '#24497a'  # normal
face BButton1.png '#24497a' '#3a6cad' '#1a365c'  # pressed
face BButton2.png '#c3ccd6' '#aeb8c4' '#98a3b0'  # disabled
face BButton3.png '#f6c85f' '#d08a1c' '#8f5a0c'  # a panel is open (the Rename toggle)
face BButton5.png '#7aa6de' '#3f6fae' '#2b5286'  # up, the boxes' buttons

# globe NAME ARROW COLOUR: CommandWeb's picture, a small globe with an arrow that tells what a
# click does: open the Add URL box to the right, or close it again.
globe() {
    local name=$1 arrow=$2 colour=$3
    convert -size 88x88 xc:none \
        -fill '#78aaeb' -stroke '#143c8c' -strokewidth 6 -draw 'circle 34,44 34,10' \
        -fill none -strokewidth 5 -draw 'ellipse 34,44 14,34 0,360' -draw 'line 2,44 66,44' \
        -stroke none -fill "$colour" -draw "$arrow" \
        -resize 11x11 -strip "PNG32:$name"
}

globe BButton4.png 'polygon 64,20 88,44 64,68' '#17802e'  # the box is hidden: a click opens it
globe BButton6.png 'polygon 88,20 64,44 88,68' '#b02a1a'  # the box is shown: a click closes it

# The Help box's two pictures, shown in turn at each opening.
convert -size 128x112 'gradient:#f4f7fb-#dce6f2' \
    -fill '#ffffff' -stroke '#1f3a5f' -strokewidth 2 \
    -draw 'polygon 18,18 62,12 62,80 18,84' -draw 'polygon 66,12 110,18 110,84 66,80' \
    -stroke '#8aa2c0' -strokewidth 2 \
    -draw 'line 25,30 55,26' -draw 'line 25,42 55,38' -draw 'line 25,54 55,50' -draw 'line 25,66 55,62' \
    -draw 'line 73,26 103,30' -draw 'line 73,38 103,42' -draw 'line 73,50 103,54' -draw 'line 73,62 103,66' \
    -stroke none -fill '#1f3a5f' -font "$font" -pointsize 13 -gravity south -annotate +0+2 'Read the Help' \
    -strip PNG24:ImageHelpPics0.png

convert -size 128x112 'gradient:#f4f7fb-#dce6f2' \
    -fill none -stroke '#d23c2c' -strokewidth 14 -draw 'circle 64,46 64,16' \
    -stroke '#ffffff' -strokewidth 16 -draw 'arc 34,16 94,76 -20,25' -draw 'arc 34,16 94,76 70,115' \
    -draw 'arc 34,16 94,76 160,205' -draw 'arc 34,16 94,76 250,295' \
    -stroke none -fill '#1f3a5f' -font "$font" -pointsize 30 -gravity center -annotate +0-12 '?' \
    -pointsize 13 -gravity south -annotate +0+2 'Help is at hand' \
    -strip PNG24:ImageHelpPics1.png
