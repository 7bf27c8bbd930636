#!/usr/bin/env bash
# Word export: "vellumo-cli docx" against "zip -0" (storing the same JPEG files in an archive,
# which is the least a .docx of those pages costs) on scanned A4 pages at 300 dpi
# (2480 x 3508 JPEG, four distinct pages copied to 100 files). Prints the median time of a few
# runs of each, the ratio and the goal (at most 1.5 x zip -0), and checks that the document
# holds every page.
#
# Usage: bench/docx_bench.sh [build folder] [page count]   (default: build 100)
# Needs vellumo-cli built, and ImageMagick, zip, unzip and python3 installed
# (scripts/bootstrap.sh). RUNS sets the number of runs per figure (default 5).
set -euo pipefail

build=${1:-build}
pages=${2:-100}
runs=${RUNS:-5}
cli="$build/bin/vellumo-cli"

[[ -x $cli ]] || { echo "missing $cli: build it first" >&2; exit 1; }
for program in convert zip unzip python3; do
    command -v "$program" >/dev/null || { echo "$program is not installed" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-docx-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A scanned text page: off-white paper with a little sensor noise, lines of grey print.
page() {
    local seed=$1 out=$2 text
    text=$(for ((line = 0; line < 50; line++)); do
        printf 'page %d line %d: the quick scan of a paper document archive\n' "$seed" "$line"
    done)
    convert -size 2480x3508 xc:'#f4f2ee' -seed "$seed" -attenuate 0.15 +noise Gaussian \
        -font DejaVu-Serif -pointsize $((38 + seed * 2)) -fill '#202020' \
        -interline-spacing 14 -annotate +240+300 "$text" -blur 0x0.7 \
        -quality 85 -density 300 -units PixelsPerInch "$out"
}

echo "Making $pages A4 pages at 300 dpi (four distinct pages, copied)..."
mkdir -p "$work/pages"
for seed in 1 2 3 4; do
    page "$seed" "$work/page$seed.jpg"
done
files=()
for ((i = 1; i <= pages; i++)); do
    # Distinct names: pages with the same base name would share one picture in the document.
    file=$(printf '%s/pages/%04d.jpg' "$work" "$i")
    cp "$work/page$(((i - 1) % 4 + 1)).jpg" "$file"
    files+=("$file")
done

# Median wall time in seconds of running the command $runs times, the output removed first.
median() {
    python3 - "$runs" "$@" <<'PY'
import os, statistics, subprocess, sys, time
runs, out, command = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
times = []
for _ in range(runs):
    if os.path.exists(out):
        os.remove(out)
    start = time.perf_counter()
    subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
    times.append(time.perf_counter() - start)
print(f"{statistics.median(times):.3f}")
PY
}

docx="$work/out.docx"
archive="$work/out.zip"
ours=$(median "$docx" "$cli" docx -o "$docx" "${files[@]}")
theirs=$(median "$archive" zip -0 -q "$archive" "${files[@]}")
verdict=$(python3 -c "r = $ours / $theirs; print(f'{r:.2f} x (goal <= 1.5 x: ' +
                                                   ('met' if r <= 1.5 else 'NOT met') + ')')")
pictures=$(unzip -Z1 "$docx" | grep -c '^word/media/' || true)
printf '%d pages (%s of JPEG): vellumo-cli docx %s s, zip -0 %s s, ratio %s, ' \
    "$pages" "$(du -sh "$work/pages" | cut -f1)" "$ours" "$theirs" "$verdict"
printf '%d pictures in the document\n' "$pictures"
if [[ $pictures -ne $pages ]]; then
    echo "  the document holds $pictures pictures for $pages pages" >&2
    exit 1
fi
