#!/usr/bin/env bash
# PDF image extraction: "vellumo-cli extract" against "pdfimages -all" (poppler), which also
# writes embedded JPEG data unchanged and fax data without decoding it, on two 100-page files:
#  - scanned colour and grey A4 pages at 300 dpi as JPEG (2480 x 3508, made with img2pdf);
#  - the same pages in black and white as CCITT Group 4 (made with tiff2pdf).
# Prints the median time of a few runs of each, the ratio and the goal (at most 1.0 x pdfimages
# on the JPEG file, at most 1.5 x on the fax file), and checks that both wrote every page.
#
# Usage: bench/extract_bench.sh [build folder] [page count]   (default: build 100)
# With bench_import built too, the JPEG file is also imported into the page list as the window
# does it (pages, thumbnails), beside pdfimages, with the window's peak memory.
# Needs vellumo-cli built, and ImageMagick, img2pdf, libtiff-tools and poppler-utils installed
# (scripts/bootstrap.sh). RUNS sets the number of runs per figure (default 3).
set -euo pipefail

build=${1:-build}
pages=${2:-100}
runs=${RUNS:-3}
cli="$build/bin/vellumo-cli"

[[ -x $cli ]] || { echo "missing $cli: build it first" >&2; exit 1; }
for program in convert img2pdf tiffcp tiff2pdf pdfimages python3; do
    command -v "$program" >/dev/null || { echo "$program is not installed" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-extract-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Lines of words for a page, the same for the same seed.
words() {
    python3 - "$1" "$2" <<'PY'
import random, sys
r = random.Random(int(sys.argv[1]))
w = ("the of scanning page paper document archive letter invoice account report section table "
     "figure result method sample value total number date name address order item quantity "
     "price notes summary review").split()
print("\n".join(" ".join(r.choice(w) for _ in range(r.randint(8, 12)))
                for _ in range(int(sys.argv[2]))))
PY
}

# A scanned text page: off-white paper with a little sensor noise, slightly soft print.
page() {
    local seed=$1 out=$2
    convert -size 2480x3508 xc:'#f4f2ee' -seed "$seed" -attenuate 0.15 +noise Gaussian \
        -font DejaVu-Serif -pointsize $((38 + seed * 2)) -fill '#202020' \
        -interline-spacing 14 -annotate +240+300 "$(words "$seed" 58)" -blur 0x0.7 \
        -density 300 -units PixelsPerInch "$out"
}

echo "Making $pages A4 pages at 300 dpi (four distinct pages, repeated)..."
jpegs=()
faxes=()
for seed in 1 2 3 4; do
    page "$seed" "$work/page$seed.png"
    if ((seed % 2)); then
        convert "$work/page$seed.png" -colorspace Gray -quality 85 "$work/page$seed.jpg"
    else
        convert "$work/page$seed.png" -modulate 100,130,95 -quality 85 "$work/page$seed.jpg"
    fi
    convert "$work/page$seed.png" -colorspace Gray -threshold 60% -type bilevel \
        -density 300 -units PixelsPerInch -compress Group4 "$work/page$seed.tiff"
done
for ((i = 0; i < pages; i++)); do
    jpegs+=("$work/page$((i % 4 + 1)).jpg")
    faxes+=("$work/page$((i % 4 + 1)).tiff")
done
img2pdf "${jpegs[@]}" -o "$work/jpeg.pdf"
tiffcp "${faxes[@]}" "$work/fax.tiff"
tiff2pdf -o "$work/fax.pdf" "$work/fax.tiff"

# Median wall time in seconds of running the command $runs times, each into an empty folder.
median() {
    python3 - "$runs" "$@" <<'PY'
import shutil, statistics, subprocess, sys, time
runs, out, command = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
times = []
for _ in range(runs):
    shutil.rmtree(out, ignore_errors=True)
    shutil.os.makedirs(out)
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    times.append(time.perf_counter() - start)
print(f"{statistics.median(times):.3f}")
PY
}

status=0
for kind in jpeg fax; do
    pdf="$work/$kind.pdf"
    goal=$([[ $kind == jpeg ]] && echo 1.0 || echo 1.5)
    ours=$(median "$work/ours" "$cli" extract -o "$work/ours" "$pdf")
    written=$(find "$work/ours" -maxdepth 1 -type f -name '[0-9]*' | wc -l)
    theirs=$(median "$work/theirs" pdfimages -all "$pdf" "$work/theirs/img")
    verdict=$(python3 -c "r = $ours / $theirs; print(f'{r:.2f} x (goal <= $goal x: ' +
                                                       ('met' if r <= $goal else 'NOT met') + ')')")
    printf '%-4s PDF (%d pages, %s): vellumo-cli extract %s s, pdfimages -all %s s, ratio %s, ' \
        "$kind" "$pages" "$(du -h "$pdf" | cut -f1)" "$ours" "$theirs" "$verdict"
    printf '%d files written\n' "$written"
    if [[ $written -ne $pages ]]; then
        echo "  vellumo-cli wrote $written files for $pages pages" >&2
        status=1
    fi
    # The whole import into the page list, as the window does it, in a private home.
    if [[ $kind == jpeg && -x $build/bin/bench_import ]]; then
        home="$work/home"
        rm -rf "$home" && mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
        read -r _ seconds count before after < <(HOME="$home" XDG_CONFIG_HOME="$home/config" \
            XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" \
            QT_QPA_PLATFORM=offscreen "$build/bin/bench_import" "$pdf" 2>/dev/null)
        ratio=$(python3 -c "r = $seconds / $theirs; print(f'{r:.2f} x (goal <= 2.0 x: ' +
                                                         ('met' if r <= 2.0 else 'NOT met') + ')')")
        printf '     import into the page list: %s s for %s pages, ratio %s, ' \
            "$seconds" "$count" "$ratio"
        printf 'window peak memory %s MB before, %s MB after\n' "$before" "$after"
    fi
done
exit "$status"
