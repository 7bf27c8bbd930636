#!/usr/bin/env bash
# Draws four sample document pages (a heading and lines of "text" of varying length, A4 at 150
# dpi) into a folder and prints their paths, one per line, for the screenshot scripts:
#   scripts/sample-pages.sh FOLDER
set -euo pipefail
folder="$1"
mkdir -p "$folder"
for i in 1 2 3 4; do
    page="$folder/page$i.png"
    lines=""
    for l in $(seq 0 30); do
        w=$(( 600 + (l * 37 + i * 53) % 400 ))
        [ $(( (l + i) % 7 )) -eq 0 ] && w=$(( w / 3 ))
        lines+="rectangle 120,$((330 + l * 42)) $((120 + w)),$((344 + l * 42)) "
    done
    convert -size 1240x1754 xc:white -fill '#1e2f5c' -font DejaVu-Sans-Bold -pointsize 48 \
        -annotate +120+220 "Chapter $i" -fill '#4a4f57' -draw "$lines" "$page"
    echo "$page"
done
