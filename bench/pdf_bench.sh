#!/usr/bin/env bash
# PDF writing: vellumo-cli against img2pdf and against cat (the time to read and write the same
# bytes, the floor for a writer that embeds JPEG files unchanged), on A4 pages scanned at 300 dpi
# (2480 x 3508 JPEG files of 0.3 to 1 MB: a few distinct grey text pages and colour pages with a
# picture, copied to reach each page count), new and with a password; appending 100 pages to the
# longest file; and 100 black-and-white pages (Group 4 TIFF) against img2pdf and tiff2pdf.
# Prints the median time of a few runs, the ratios, the peak resident memory of vellumo-cli and
# checks the goals: faster than img2pdf, within 1.3 x the cat floor at the largest count, a peak
# memory that does not grow with the page count, with a password or when appending (at most
# 1.2 x the plain run), black-and-white pages of at most 40 KB (median) and no slower than img2pdf.
#
# Usage: bench/pdf_bench.sh [build folder] [page count...]   (default: build 100 500)
# Needs vellumo-cli built, and ImageMagick, img2pdf and GNU time installed (scripts/bootstrap.sh).
# RUNS sets the number of runs per figure (default 3).
set -euo pipefail

build=${1:-build}
shift || true
counts=("$@")
[[ ${#counts[@]} -gt 0 ]] || counts=(100 500)
runs=${RUNS:-3}
cli="$build/bin/vellumo-cli"

[[ -x $cli ]] || { echo "missing $cli: build it first" >&2; exit 1; }
for program in convert img2pdf tiff2pdf tiffcp pdfimages /usr/bin/time python3; do
    command -v "$program" >/dev/null || { echo "$program is not installed" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-pdf-bench.XXXXXX")
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

# A scanned page: off-white paper with a little sensor noise, slightly soft print.
page() {
    local kind=$1 seed=$2 out=$3
    if [[ $kind == grey ]]; then
        convert -size 2480x3508 xc:'#f4f2ee' -seed "$seed" -attenuate 0.15 +noise Gaussian \
            -colorspace Gray -font DejaVu-Serif -pointsize $((38 + seed * 2)) -fill '#202020' \
            -interline-spacing 14 -annotate +240+300 "$(words "$seed" 58)" -blur 0x0.7 \
            -density 300 -units PixelsPerInch -quality 85 "$out"
    else
        convert -size 2480x3508 xc:'#f7f4ec' -seed "$seed" -attenuate 0.15 +noise Gaussian \
            \( -size 1800x1100 plasma:fractal -blur 0x3 \) -geometry +340+260 -composite \
            -font DejaVu-Sans-Bold -pointsize 72 -fill '#1d3f73' \
            -annotate +340+1560 "Quarterly report $seed" \
            -font DejaVu-Serif -pointsize 40 -fill '#202020' -interline-spacing 14 \
            -annotate +340+1720 "$(words "$seed" 32)" -blur 0x0.7 \
            -density 300 -units PixelsPerInch -quality 85 "$out"
    fi
}

echo "making the pages..." >&2
mkdir -p "$work/distinct"
distinct=()
for seed in 1 2 3 4 5 6; do
    kind=grey
    ((seed > 3)) && kind=colour
    out="$work/distinct/$kind-$seed.jpg"
    page "$kind" "$seed" "$out"
    distinct+=("$out")
done

# Wall time in seconds and peak resident memory in KiB of one run, as "seconds kib".
measure() {
    local output=$1
    shift
    rm -f "$output"
    sync
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$work/peak" "$@" >/dev/null 2>"$work/stderr" ||
        { echo "failed: $*" >&2; cat "$work/stderr" >&2; exit 1; }
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $(tail -n 1 "$work/peak")"
}

# img2pdf on A4 like the others; without the option if this img2pdf does not know it.
img2pdf_size=(--pagesize A4)
img2pdf "${img2pdf_size[@]}" -o "$work/probe.pdf" "${distinct[0]}" 2>/dev/null || img2pdf_size=()
rm -f "$work/probe.pdf"

results="$work/results.tsv"
: >"$results"
for count in "${counts[@]}"; do
    echo "$count pages..." >&2
    folder="$work/pages-$count"
    mkdir -p "$folder"
    files=()
    for ((i = 0; i < count; ++i)); do
        name=$(printf '%s/page-%05d.jpg' "$folder" "$i")
        cp "${distinct[i % ${#distinct[@]}]}" "$name"
        files+=("$name")
    done
    bytes=$(cat "${files[@]}" | wc -c)
    for ((run = 0; run < runs; ++run)); do
        read -r v_us v_kb < <(measure "$work/vellumo.pdf" "$cli" pdf -o "$work/vellumo.pdf" \
            "${files[@]}")
        read -r p_us p_kb < <(measure "$work/locked.pdf" "$cli" pdf -o "$work/locked.pdf" \
            --password bench "${files[@]}")
        rm -f "$work/locked.pdf"
        read -r i_us i_kb < <(measure "$work/img2pdf.pdf" img2pdf "${img2pdf_size[@]}" \
            -o "$work/img2pdf.pdf" "${files[@]}")
        # shellcheck disable=SC2016 # expanded by the inner shell
        read -r c_us _ < <(measure "$work/cat.out" sh -c 'out=$1; shift; cat "$@" >"$out"' \
            sh "$work/cat.out" "${files[@]}")
        echo -e "new\t$count\t$bytes\t$v_us\t$v_kb\t$i_us\t$i_kb\t$c_us\t$p_us\t$p_kb" \
            >>"$results"
    done
    rm -f "$work/img2pdf.pdf" "$work/cat.out"
    if [[ $count != "${counts[-1]}" ]]; then
        rm -rf "$folder" "$work/vellumo.pdf"
    fi
done

# Appending the first 100 pages (or fewer) to the file of the largest count.
largest=${counts[-1]}
added=$((largest < 100 ? largest : 100))
append_files=("$work/pages-$largest"/*.jpg)
append_files=("${append_files[@]:0:added}")
cp "$work/vellumo.pdf" "$work/before-append.pdf"
for ((run = 0; run < runs; ++run)); do
    cp "$work/before-append.pdf" "$work/vellumo.pdf"
    sync
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "$work/peak" "$cli" pdf --append -o "$work/vellumo.pdf" \
        "${append_files[@]}" >/dev/null 2>"$work/stderr" ||
        { echo "append failed" >&2; cat "$work/stderr" >&2; exit 1; }
    end=$(date +%s%N)
    echo -e "append\t$largest\t$added\t$(( (end - start) / 1000 ))\t$(tail -n 1 "$work/peak")" \
        >>"$results"
done

# Black-and-white pages as a scanner's line-art mode gives them: printed on noisy paper, slightly
# soft, cut at a threshold, stored as Group 4 TIFF files (what the page store keeps). Three kinds
# of paperwork in equal shares, 100 pages: a business letter, an invoice with a ruled table and a
# page of dense text (the first grey page).
bw_page() {
    local kind=$1 out=$2
    local paper=(-size 2480x3508 xc:'#f4f2ee' -seed 7 -attenuate 0.15 +noise Gaussian
        -colorspace Gray -fill '#202020')
    local finish=(-blur 0x0.7 -threshold 55% -type bilevel -compress Group4 -density 300
        -units PixelsPerInch "$out")
    case $kind in
    letter)
        convert "${paper[@]}" -font DejaVu-Sans-Bold -pointsize 60 \
            -annotate +240+260 "Northfield Archive Services" \
            -font DejaVu-Serif -pointsize 42 -interline-spacing 12 \
            -annotate +240+520 "$(printf 'Ms Jane Example\n14 Paper Lane\nDocument Town\nDT4 2PG')" \
            -annotate +1700+520 "8 December 2026" \
            -font DejaVu-Serif-Bold -annotate +240+900 "Re: account review and scanning order" \
            -font DejaVu-Serif -annotate +240+1060 "$(words 7 8)" \
            -annotate +240+1580 "$(words 8 9)" -annotate +240+2150 "$(words 9 6)" \
            -annotate +240+2700 "$(printf 'Yours sincerely,\n\n\nA. Clerk\nRecords department')" \
            "${finish[@]}"
        ;;
    invoice)
        local rules=() y
        for ((y = 1000; y <= 2530; y += 90)); do rules+=(-draw "line 240,$y 2240,$y"); done
        local column
        column() {
            python3 - "$1" <<'PY'
import random, sys
r = random.Random(5)
items = "paper scanning archive box folder binding document index review order letter".split()
rows = [(f"{r.choice(items)} {r.choice(items)}", r.randint(1, 40), r.randint(100, 9999) / 100)
        for _ in range(17)]
field = int(sys.argv[1])
print("\n".join(str(row[field]) if field < 2 else f"{row[1] * row[2]:.2f}" for row in rows))
PY
        }
        convert "${paper[@]}" -font DejaVu-Sans-Bold -pointsize 80 \
            -annotate +240+300 "INVOICE 2026-0412" \
            -font DejaVu-Sans -pointsize 40 -interline-spacing 10 \
            -annotate +240+450 "$(printf 'Northfield Archive Services\n22 Record Street\nDocument Town')" \
            -annotate +1600+450 "$(printf 'Date: 8.12.2026\nCustomer: 10447\nDue: 7.1.2027')" \
            -stroke '#202020' -strokewidth 3 "${rules[@]}" -draw "line 240,1000 240,2530" \
            -draw "line 1300,1000 1300,2530" -draw "line 2240,1000 2240,2530" -stroke none \
            -interline-spacing 43 -annotate +270+1062 "$(column 0)" \
            -annotate +1340+1062 "$(column 1)" -annotate +1950+1062 "$(column 2)" \
            -font DejaVu-Sans-Bold -annotate +1340+2640 "Total due: 4 812.40" \
            -font DejaVu-Sans -pointsize 34 \
            -annotate +240+3200 "Payment within 30 days to Example Bank, IBAN XX00 0000 0000 0000 00" \
            "${finish[@]}"
        ;;
    text)
        convert "$work/distinct/grey-1.jpg" -threshold 55% -type bilevel -compress Group4 \
            -density 300 -units PixelsPerInch "$out"
        ;;
    esac
}

echo "black-and-white pages..." >&2
mkdir -p "$work/bw"
bw_kinds=(letter invoice text)
for kind in "${bw_kinds[@]}"; do
    bw_page "$kind" "$work/bw/made-$kind.tiff"
done
bw_files=()
for ((i = 0; i < 100; ++i)); do
    name=$(printf '%s/bw/page-%05d.tiff' "$work" "$i")
    cp "$work/bw/made-${bw_kinds[i % 3]}.tiff" "$name"
    bw_files+=("$name")
done
for ((run = 0; run < runs; ++run)); do
    read -r v_us v_kb < <(measure "$work/bw.pdf" "$cli" pdf -o "$work/bw.pdf" "${bw_files[@]}")
    read -r i_us _ < <(measure "$work/bw-img2pdf.pdf" img2pdf "${img2pdf_size[@]}" \
        -o "$work/bw-img2pdf.pdf" "${bw_files[@]}")
    # tiff2pdf takes one multi-page TIFF: joining them first is part of its time.
    # shellcheck disable=SC2016 # expanded by the inner shell
    read -r t_us _ < <(measure "$work/bw-tiff2pdf.pdf" sh -c \
        'out=$1; shift; tiffcp "$@" "$out.tiff" && tiff2pdf -o "$out" "$out.tiff"' \
        sh "$work/bw-tiff2pdf.pdf" "${bw_files[@]}")
    echo -e "bw\t100\t$(stat -c %s "$work/bw.pdf")\t$v_us\t$v_kb\t$i_us\t$t_us" >>"$results"
done
# The size of each page's image in the PDF, and the same for img2pdf's file of the same pages.
pdfimages -list "$work/bw.pdf" >"$work/bw-images.txt"
pdfimages -list "$work/bw-img2pdf.pdf" >"$work/bw-img2pdf-images.txt"
bw_img2pdf_bytes=$(stat -c %s "$work/bw-img2pdf.pdf")

python3 - "$results" "$runs" "$work/bw-images.txt" "$work/bw-img2pdf-images.txt" \
    "$bw_img2pdf_bytes" "${distinct[@]}" <<'PY'
import os, statistics, sys


def image_sizes(listing):
    """Bytes of each image in a `pdfimages -list` listing, in page order."""
    scale = {"B": 1, "K": 1024, "M": 1024 * 1024}
    sizes = []
    for line in open(listing).read().splitlines()[2:]:
        size = line.split()[-2]
        sizes.append(float(size[:-1]) * scale[size[-1]])
    return sizes


rows = [line.rstrip("\n").split("\t") for line in open(sys.argv[1])]
sizes = [os.path.getsize(p) / 1e6 for p in sys.argv[6:]]
print(f"PDF writing: A4 pages at 300 dpi, 2480 x 3508 JPEG ({len(sizes)} distinct pages of "
      f"{min(sizes):.2f} to {max(sizes):.2f} MB), median of {sys.argv[2]} runs")
print(f"{'pages':>6} {'MB in':>7} | {'vellumo-cli s':>13} {'img2pdf s':>9} {'cat s':>7} | "
      f"{'vellumo/img2pdf':>15} {'vellumo/cat':>11} | {'vellumo-cli peak MB':>19} "
      f"{'img2pdf peak MB':>15} | {'password s':>10} {'password peak MB':>16}")
figures = {}
for count in sorted({int(r[1]) for r in rows if r[0] == "new"}):
    mine = [r for r in rows if r[0] == "new" and int(r[1]) == count]
    v = statistics.median(int(r[3]) for r in mine) / 1e6
    i = statistics.median(int(r[5]) for r in mine) / 1e6
    c = statistics.median(int(r[7]) for r in mine) / 1e6
    vpeak = max(int(r[4]) for r in mine) / 1024
    ipeak = max(int(r[6]) for r in mine) / 1024
    p = statistics.median(int(r[8]) for r in mine) / 1e6
    ppeak = max(int(r[9]) for r in mine) / 1024
    figures[count] = (v, i, c, vpeak, ppeak)
    print(f"{count:>6} {int(mine[0][2]) / 1e6:>7.1f} | {v:>13.3f} {i:>9.3f} {c:>7.3f} | "
          f"{v / i:>15.2f} {v / c:>11.2f} | {vpeak:>19.1f} {ipeak:>15.1f} | {p:>10.3f} "
          f"{ppeak:>16.1f}")

goals = []
high = max(figures)
appends = [r for r in rows if r[0] == "append"]
if appends:
    t = statistics.median(int(r[3]) for r in appends) / 1e6
    peak = max(int(r[4]) for r in appends) / 1024
    print(f"\nappending {appends[0][2]} pages to the {appends[0][1]}-page file: "
          f"{t:.3f} s, peak {peak:.1f} MB")
    goals.append((f"appending peaks at most 1.2 x the plain run ({peak / figures[high][3]:.2f} x)",
                  peak <= 1.2 * figures[high][3]))

bw = [r for r in rows if r[0] == "bw"]
if bw:
    v = statistics.median(int(r[3]) for r in bw) / 1e6
    i = statistics.median(int(r[5]) for r in bw) / 1e6
    t = statistics.median(int(r[6]) for r in bw) / 1e6
    images = image_sizes(sys.argv[3])
    theirs = image_sizes(sys.argv[4])
    pages = len(images)
    # A page's share of the file: its image and an even part of everything else.
    rest = (int(bw[0][2]) - sum(images)) / pages
    per_page = sorted(size + rest for size in images)
    median = statistics.median(per_page) / 1024
    print(f"\n{pages} black-and-white pages (Group 4 TIFF): vellumo-cli {v:.3f} s, img2pdf "
          f"{i:.3f} s, tiffcp + tiff2pdf {t:.3f} s; peak {max(int(r[4]) for r in bw) / 1024:.1f} MB")
    kinds = ["letter", "invoice", "dense text"]
    for k, kind in enumerate(kinds):
        print(f"  {kind:<10} page: {(images[k] + rest) / 1024:5.1f} KB in the PDF "
              f"(img2pdf: {(theirs[k] + (int(sys.argv[5]) - sum(theirs)) / pages) / 1024:5.1f} KB)")
    print(f"  median {median:.1f} KB, mean {int(bw[0][2]) / pages / 1024:.1f} KB per page; "
          f"img2pdf's file {int(sys.argv[5]) / pages / 1024:.1f} KB per page")
    goals.append((f"black-and-white pages at most 40 KB, median ({median:.1f} KB)", median <= 40))
    goals.append((f"black-and-white pages no slower than img2pdf ({v / i:.2f} x)", v <= i))

print()
for count, (v, i, c, vpeak, ppeak) in figures.items():
    goals.append((f"faster than img2pdf at {count} pages ({v / i:.2f} x its time)", v < i))
    goals.append((f"password run peaks at most 1.2 x the plain run at {count} pages "
                  f"({ppeak / vpeak:.2f} x)", ppeak <= 1.2 * vpeak))
goals.append((f"within 1.3 x the cat floor at {high} pages "
              f"({figures[high][0] / figures[high][2]:.2f} x)",
              figures[high][0] <= 1.3 * figures[high][2]))
if len(figures) > 1:
    low = min(figures)
    grow = figures[high][3] / figures[low][3]
    goals.append((f"peak memory does not grow with the page count ({high} pages: {grow:.2f} x "
                  f"the {low}-page peak, at most 1.10 x)", grow <= 1.10))
width = max(len(text) for text, _ in goals)
for text, met in goals:
    print(f"goal {text:<{width}}  {'met' if met else 'NOT MET'}")
PY
