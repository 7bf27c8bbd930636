#!/usr/bin/env bash
# DjVu export: "vellumo-cli djvu" against the same DjVuLibre tools run one after another from a
# shell loop (c44 or cjb2 per page with the same arguments, then djvm -c), on scanned A4 pages at
# 300 dpi (2480 x 3508): grey JPEG, colour JPEG and 1-bit TIFF in turn, six distinct pages copied
# to 50 files. Prints the median time of a few runs of each, the ratio and the goal (at most
# 0.6 x the loop), and checks that both documents hold every page.
#
# Usage: bench/djvu_bench.sh [build folder] [page count]   (default: build 50)
# Needs vellumo-cli built, and ImageMagick, djvulibre-bin and python3 installed
# (scripts/bootstrap.sh). RUNS sets the number of runs per figure (default 3).
set -euo pipefail

build=${1:-build}
pages=${2:-50}
runs=${RUNS:-3}
cli="$build/bin/vellumo-cli"

[[ -x $cli ]] || { echo "missing $cli: build it first" >&2; exit 1; }
for program in convert c44 cjb2 djvm djvused python3; do
    command -v "$program" >/dev/null || { echo "$program is not installed" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-djvu-bench.XXXXXX")
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
        -density 300 -units PixelsPerInch "$out"
}

echo "Making $pages A4 pages at 300 dpi (grey JPEG, colour JPEG, 1-bit TIFF; copied)..."
mkdir -p "$work/pages"
kinds=(grey.jpg colour.jpg bw.tiff)
for seed in 1 2; do
    page "$seed" "$work/page$seed.png"
    convert "$work/page$seed.png" -colorspace Gray -quality 85 "$work/$seed-grey.jpg"
    convert "$work/page$seed.png" -fill '#c03020' -tint 60 -quality 85 "$work/$seed-colour.jpg"
    convert "$work/page$seed.png" -colorspace Gray -threshold 60% -type bilevel \
        -compress Group4 "$work/$seed-bw.tiff"
done
files=()
for ((i = 0; i < pages; i++)); do
    kind=${kinds[i % 3]}
    file=$(printf '%s/pages/%04d-%s' "$work" "$((i + 1))" "$kind")
    cp "$work/$((i / 3 % 2 + 1))-$kind" "$file"
    files+=("$file")
done

# The tools one page at a time, as a script would run them.
cat >"$work/loop.sh" <<'SH'
#!/usr/bin/env bash
set -euo pipefail
out=$1 scratch=$2
shift 2
rm -rf "$scratch" && mkdir -p "$scratch"
singles=()
for file in "$@"; do
    single="$scratch/$(basename "${file%.*}").djvu"
    case $file in
        *grey.jpg) c44 -dpi 300 -percent 50 -crcbnone "$file" "$single" ;;
        *.jpg) c44 -dpi 300 -percent 50 "$file" "$single" ;;
        *.tiff) cjb2 -dpi 300 "$file" "$single" ;;
    esac
    singles+=("$single")
done
djvm -c "$out" "${singles[@]}"
rm -rf "$scratch"
SH
chmod +x "$work/loop.sh"

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

ours_doc="$work/ours.djvu"
loop_doc="$work/loop.djvu"
ours=$(median "$ours_doc" "$cli" djvu -o "$ours_doc" --compression 50 "${files[@]}")
theirs=$(median "$loop_doc" "$work/loop.sh" "$loop_doc" "$work/singles" "${files[@]}")
verdict=$(python3 -c "r = $ours / $theirs; print(f'{r:.2f} x (goal <= 0.6 x: ' +
                                                   ('met' if r <= 0.6 else 'NOT met') + ')')")
printf '%d pages (%s), %d cores: vellumo-cli djvu %s s, tool loop %s s, ratio %s\n' \
    "$pages" "$(du -sh "$work/pages" | cut -f1)" "$(nproc)" "$ours" "$theirs" "$verdict"
for doc in "$ours_doc" "$loop_doc"; do
    count=$(djvused -e n "$doc")
    if [[ $count -ne $pages ]]; then
        echo "  $(basename "$doc") holds $count pages for $pages" >&2
        exit 1
    fi
done
printf 'sizes: vellumo-cli %s, tool loop %s\n' "$(du -h "$ours_doc" | cut -f1)" \
    "$(du -h "$loop_doc" | cut -f1)"
