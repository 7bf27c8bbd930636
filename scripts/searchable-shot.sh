#!/usr/bin/env bash
# Draws what a reader shows when text is selected in a searchable PDF made by vellumo-cli: a
# page of text is drawn, turned into a PDF with --ocr, rendered with pdftoppm, and the words
# that pdftotext finds on a few of its lines are highlighted as a selection would be.
#   scripts/searchable-shot.sh [BUILD_DIR] [OUT.png]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(realpath "${1:-$root/build-tests}")"
out="$(realpath -m "${2:-$root/docs/searchable-pdf-selection.png}")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# A letter at 300 dpi: a heading and paragraphs, as a scanned page would hold them.
text="Scanned letters, invoices and book pages become documents that can be searched. \
Every word found on the page lies invisibly over the picture, exactly where it was printed, \
so a reader can select it, copy it into another program or read it aloud. The picture itself \
stays exactly as it was scanned: nothing is redrawn, nothing is lost."
convert -size 2480x3508 -density 300 -units PixelsPerInch xc:white \
    \( -size 2000x -background white -fill '#1e2f5c' -font DejaVu-Serif-Bold -pointsize 22 \
       caption:"Searchable documents" \) -geometry +240+260 -composite \
    \( -size 2000x -background white -fill '#222222' -font DejaVu-Serif -pointsize 12 \
       -interline-spacing 18 caption:"$text $text" \) -geometry +240+520 -composite \
    -colorspace Gray -quality 90 "$work/page.jpg"
"$build/bin/vellumo-cli" pdf --ocr eng -o "$work/page.pdf" "$work/page.jpg" >/dev/null

# The page at 100 dpi, and the boxes of the words on the third to sixth line of text.
dpi=100
pdftoppm -r "$dpi" -png -singlefile "$work/page.pdf" "$work/render"
pdftotext -bbox "$work/page.pdf" "$work/words.html"
rectangles="$(python3 - "$work/words.html" "$dpi" <<'PY'
import re, sys
html = open(sys.argv[1], encoding="utf-8").read()
scale = int(sys.argv[2]) / 72.0
words = [tuple(float(v) for v in m.groups()) for m in re.finditer(
    r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">', html)]
lines = sorted({round(w[1]) for w in words})
chosen = set(lines[3:7])
for x0, y0, x1, y1 in words:
    if round(y0) in chosen:
        print(f"rectangle {x0 * scale:.0f},{y0 * scale:.0f} {x1 * scale:.0f},{y1 * scale:.0f}", end=" ")
PY
)"
convert "$work/render.png" -fill '#3d7eff66' -stroke none -draw "$rectangles" \
    -crop 827x560+0+0 +repage -bordercolor '#9aa0a6' -border 1 "$out"
echo "$out"
