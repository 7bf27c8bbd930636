#!/usr/bin/env bash
# Printing: colour A4 pages at 300 dpi (JPEG, as scanned pages are stored) printed to a PDF
# printer the way the print command does it, for a short and a long document, so that the peak
# memory can be seen not to grow with the page count (goal: under 400 MB at 200 pages). img2pdf
# on the same files is the floor: it wraps the JPEG bytes without decoding them. The print
# preview keeps every sheet it shows; its figures are printed too.
#
# Usage: bench/print_bench.sh [build folder] [short] [long]   (default: build 50 200)
# Needs bench_print built (VELLUMO_BUILD_BENCH), ImageMagick and img2pdf.
set -euo pipefail

build=${1:-build}
short=${2:-50}
long=${3:-200}
bench="$build/bench/bench_print"
[[ -x $bench ]] || bench="$build/bin/bench_print"
[[ -x $bench ]] || { echo "missing bench_print in $build: build it first" >&2; exit 1; }
for program in convert img2pdf /usr/bin/time; do
    command -v "$program" >/dev/null || { echo "$program is not installed" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-print-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

echo "Making $long colour A4 pages at 300 dpi (four drawn pages, repeated)..."
for seed in 1 2 3 4; do
    convert -size 2480x3508 -seed "$seed" plasma:'#d8c8a0-#405890' -attenuate 0.2 \
        +noise Gaussian -fill '#202020' -draw "rectangle 240,300 2200,$((700 + seed * 100))" \
        -density 300 -units PixelsPerInch -quality 85 "$work/made$seed.jpg"
done
files=()
for ((i = 1; i <= long; i++)); do
    file=$(printf '%s/%04d.jpg' "$work" "$i")
    cp "$work/made$(( (i - 1) % 4 + 1 )).jpg" "$file"
    files+=("$file")
done

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$work/run"
echo
echo "Vellumo print to PDF:"
"$bench" "$work/short.pdf" "${files[@]:0:short}"
"$bench" "$work/long.pdf" "${files[@]}"
echo
echo "Vellumo print preview (every sheet kept, at screen resolution):"
"$bench" --preview "$work/preview.pdf" "${files[@]:0:short}"
"$bench" --preview "$work/preview.pdf" "${files[@]}"
echo
echo "img2pdf on the $long files (no decoding: the floor):"
/usr/bin/time -f "$long pages  %e s  peak %M KB" img2pdf -o "$work/img2pdf.pdf" "${files[@]}"
echo "img2pdf PDF $(( $(stat -c %s "$work/img2pdf.pdf") / 1048576 )) MB"
