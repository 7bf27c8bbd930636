#!/usr/bin/env bash
# Searchable PDF: "vellumo-cli pdf --ocr" (the page text recognised by vellumo-ocr, one page per
# core at once, each single-threaded, laid as an invisible layer over the unchanged images) against
# the tesseract command-line program writing its own PDF of the same pages, given all of them as
# one list so that it loads its model once (its best case), with its default threading. The plain
# "vellumo-cli pdf" of the same pages is timed too, to show what the text layer adds to the file.
#
# The pages are A4 text pages at 300 dpi (2480 x 3508 grey JPEG, quality 85), each a different
# stretch of English prose (the licence texts in /usr/share/common-licenses, in order), in DejaVu
# Serif and DejaVu Sans by turns at 10, 11 and 12 pt, with 2.5 cm margins. Making them is not
# timed. Each program runs once on page 1 first so that the disk cache is the same for all.
#
# Prints one run of each: seconds, pages per second, peak memory and file size, the throughput of
# vellumo-cli against tesseract, how much larger the searchable PDF is than the plain one, and how
# well the words of the two text layers agree (page by page, each page's words as a multiset).
#
# Usage: bench/ocr_bench.sh [build folder] [page count]   (default: build 20)
# Needs vellumo-cli and vellumo-ocr built, and ImageMagick, tesseract-ocr with the English model,
# poppler-utils and GNU time installed. KEEP=1 keeps the scratch folder (pages, PDFs, texts).
# ONE_THREAD=1 also times tesseract held to one thread (OMP_THREAD_LIMIT=1): its OpenMP threads
# can cost more than they bring on a machine with few cores, and this shows by how much.
set -euo pipefail

build=${1:-build}
pages=${2:-20}
lang=eng
cli="$build/bin/vellumo-cli"

[[ $pages =~ ^[1-9][0-9]*$ ]] || { echo "the page count must be a positive number" >&2; exit 1; }
[[ -x $cli ]] || { echo "missing $cli: build it first" >&2; exit 1; }
[[ -x $build/bin/vellumo-ocr ]] ||
    { echo "missing $build/bin/vellumo-ocr: build it first" >&2; exit 1; }
for program in convert tesseract pdftotext pdfinfo /usr/bin/time python3; do
    command -v "$program" >/dev/null || { echo "$program is not installed" >&2; exit 1; }
done
tesseract --list-langs 2>/dev/null | grep -qx "$lang" ||
    { echo "tesseract has no '$lang' model (tesseract-ocr-$lang)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-ocr-bench.XXXXXX")
cleanup() {
    if [[ ${KEEP:-0} == 1 ]]; then
        echo "kept the scratch folder: $work" >&2
    else
        rm -rf "$work"
    fi
}
trap cleanup EXIT

# The text of each page, wrapped to fit its font and size, into text/page-NNNN.txt, and one line
# "font pointsize" a page on standard output. Paragraphs run on from page to page; a paragraph cut
# at the foot of a page goes on at the top of the next. If the licences run out, they start again.
# Lines are broken by the width of their letters in the font, as ImageMagick measures them (its
# label of "|c|" less that of "||"), since a line in capitals is far wider than one in lower case.
mkdir -p "$work/text" "$work/pages"
python3 - "$pages" "$work/text" >"$work/layout" <<'PY'
import os, subprocess, sys

count, folder = int(sys.argv[1]), sys.argv[2]
sources = ["GPL-3", "GPL-2", "LGPL-2.1", "Apache-2.0", "MPL-2.0"]
paragraphs = []
for name in sources:
    text = open(os.path.join("/usr/share/common-licenses", name), encoding="utf-8").read()
    for block in text.split("\n\n"):
        words = block.split()
        if words:
            paragraphs.append(words)

# Advance widths in ems of every character of the texts, for each font.
fonts = ["DejaVu-Serif", "DejaVu-Sans"]
letters = sorted({c for words in paragraphs for word in words for c in word} | {" "})
ems = {}
for font in fonts:
    command = ["convert", "-density", "72", "-pointsize", "100", "-font", font, "label:||"]
    command += ["label:|" + {"%": "%%", "\\": "\\\\"}.get(c, c) + "|" for c in letters]
    widths = [int(w) for w in subprocess.run(command + ["-format", "%w\\n", "info:"],
                                             check=True, capture_output=True,
                                             text=True).stdout.split()]
    ems[font] = {c: (w - widths[0]) / 100 for c, w in zip(letters, widths[1:])}

def wrap(words, em, pixels, limit):
    lines, line, width = [], [], 0.0
    space = em[" "] * pixels
    for word in words:
        size = sum(em[c] for c in word) * pixels
        if line and width + space + size > limit:
            lines.append(" ".join(line))
            line, width = [], 0.0
        width += size + (space if line else 0.0)
        line.append(word)
    if line:
        lines.append(" ".join(line))
    return lines

# 2480 - 2 x 295 px (2.5 cm) of line at 300 dpi, less a little for kerning and rounding; the line
# count fills about 2918 px of height at DejaVu's line spacing (1.16 em).
at, rest = 0, None
for page in range(count):
    font, points = fonts[page % 2], 10 + page % 3
    lines_per_page = {10: 55, 11: 52, 12: 48}[points]
    lines = []
    while len(lines) < lines_per_page:
        if rest:
            words, rest = rest, None
        else:
            words = paragraphs[at % len(paragraphs)]
            at += 1
        wrapped = wrap(words, ems[font], points * 300 / 72, 1890 * 0.98)
        room = lines_per_page - len(lines)
        if len(wrapped) > room:
            lines += wrapped[:room]
            rest = words[sum(len(line.split()) for line in wrapped[:room]):]
            break
        lines += wrapped
        if len(lines) < lines_per_page:
            lines.append("")
    while lines and not lines[-1]:
        lines.pop()
    with open(os.path.join(folder, f"page-{page + 1:04d}.txt"), "w", encoding="utf-8") as out:
        out.write("\n".join(lines) + "\n")
    print(font, points)
PY

# Each page: near-black text on white, drawn at 300 dpi, stored as grey JPEG. The box around the ink
# is checked to keep at least 2 cm (236 px) from every edge, so that no line was cut off.
echo "making $pages pages..." >&2
files=()
page=0
while read -r font points; do
    page=$((page + 1))
    name=$(printf 'page-%04d' "$page")
    out="$work/pages/$name.jpg"
    text=$(<"$work/text/$name.txt")
    # -annotate reads % and \ as escapes.
    text=${text//\\/\\\\}
    text=${text//%/%%}
    box=$(convert -density 300 -units PixelsPerInch -size 2480x3508 xc:white \
        -font "$font" -pointsize "$points" -fill '#1a1a1a' -gravity NorthWest \
        -annotate +295+295 "$text" -colorspace Gray -quality 85 -write "$out" \
        -fuzz 20% -format '%@' info:) || { echo "$name: convert failed" >&2; exit 1; }
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] ||
        { echo "$name: no text drawn ($box)" >&2; exit 1; }
    w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
    if ((x < 236 || y < 236 || x + w > 2480 - 236 || y + h > 3508 - 236)); then
        echo "$name: the text ($box) does not fit in the margins ($font, $points pt)" >&2
        exit 1
    fi
    files+=("$out")
done <"$work/layout"
printf '%s\n' "${files[@]}" >"$work/list.txt"

# One timed run of the command under GNU time, its output kept aside, into result-LABEL as
# "seconds peak-KiB tree-peak-KiB". GNU time's %M is the peak of the largest single process
# only, and vellumo-cli runs a vellumo-ocr for each core at the same time, so the resident memory
# of everything under GNU time is also added up, every 0.1 s from the start until it ends.
measure() {
    local label=$1
    shift
    sync
    python3 - "$work/time-$label" "$work/out-$label" "$@" >"$work/tree-$label" <<'PY' ||
import os, subprocess, sys, time

times, output, command = sys.argv[1], sys.argv[2], sys.argv[3:]
page = os.sysconf("SC_PAGE_SIZE") // 1024
def children(pid):
    # A child is listed under the thread that started it, not always the main one.
    found = []
    try:
        for task in os.listdir(f"/proc/{pid}/task"):
            with open(f"/proc/{pid}/task/{task}/children") as f:
                found += f.read().split()
    except OSError:
        pass
    return found
def rss(pid):
    try:
        with open(f"/proc/{pid}/statm") as f:
            return int(f.read().split()[1]) * page
    except OSError:
        return 0
with open(output, "wb") as out:
    run = subprocess.Popen(["/usr/bin/time", "-f", "%e %M", "-o", times] + command,
                           stdout=out, stderr=subprocess.STDOUT)
    peak = 0
    while run.poll() is None:
        total, todo = 0, children(run.pid)
        while todo:
            pid = todo.pop()
            total += rss(pid)
            todo += children(pid)
        peak = max(peak, total)
        time.sleep(0.1)
print(peak)
sys.exit(run.returncode)
PY
        { echo "failed: $*" >&2; cat "$work/out-$label" >&2; exit 1; }
    echo "$(tail -n 1 "$work/time-$label") $(<"$work/tree-$label")" >"$work/result-$label"
}

ours="$work/ours-ocr.pdf"
theirs="$work/tesseract"
plain="$work/ours-plain.pdf"

echo "warming up on page 1..." >&2
"$cli" pdf --ocr "$lang" -o "$work/warm-ocr.pdf" "${files[0]}" >/dev/null 2>&1
tesseract "${files[0]}" "$work/warm-tesseract" pdf >/dev/null 2>&1
"$cli" pdf -o "$work/warm-plain.pdf" "${files[0]}" >/dev/null 2>&1
rm -f "$work"/warm-*

echo "vellumo-cli pdf --ocr $lang..." >&2
measure ocr "$cli" pdf --ocr "$lang" -o "$ours" "${files[@]}"
echo "tesseract LIST pdf..." >&2
measure tesseract tesseract "$work/list.txt" "$theirs" pdf
echo "vellumo-cli pdf..." >&2
measure plain "$cli" pdf -o "$plain" "${files[@]}"
one_thread=()
if [[ ${ONE_THREAD:-0} == 1 ]]; then
    echo "tesseract LIST pdf, one thread..." >&2
    measure single env OMP_THREAD_LIMIT=1 tesseract "$work/list.txt" "$work/tesseract-single" pdf
    read -r s_s s_kb s_tree <"$work/result-single"
    one_thread=("$s_s" "$s_kb" "$s_tree" "$(stat -c %s "$work/tesseract-single.pdf")")
fi
read -r o_s o_kb o_tree <"$work/result-ocr"
read -r t_s t_kb t_tree <"$work/result-tesseract"
read -r p_s p_kb p_tree <"$work/result-plain"

for pdf in "$ours" "$theirs.pdf" "$plain"; do
    count=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
    [[ $count == "$pages" ]] || { echo "$pdf has $count pages, not $pages" >&2; exit 1; }
done
pdftotext "$ours" "$work/ours.txt"
pdftotext "$theirs.pdf" "$work/tesseract.txt"

python3 - "$pages" "$(nproc)" "$lang" "$work" \
    "$o_s" "$o_kb" "$o_tree" "$(stat -c %s "$ours")" \
    "$t_s" "$t_kb" "$t_tree" "$(stat -c %s "$theirs.pdf")" \
    "$p_s" "$p_kb" "$p_tree" "$(stat -c %s "$plain")" "${one_thread[@]}" <<'PY'
import collections, os, sys

pages, cores, lang, work = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
figures = sys.argv[5:]
runs = {}
labels = ["vellumo-cli --ocr", "tesseract (list, pdf)", "vellumo-cli (plain)",
          "tesseract, one thread"]
for i, label in enumerate(labels[:len(figures) // 4]):
    seconds, peak, tree, size = (float(v) for v in figures[4 * i:4 * i + 4])
    runs[label] = (seconds, peak / 1024, tree / 1024, size / 1024)

print(f"Searchable PDF: {pages} A4 text pages at 300 dpi (2480 x 3508 grey JPEG), "
      f"language {lang}, nproc {cores}")
print(f"{'':<22} {'pages':>5} {'seconds':>8} {'pages/s':>8} {'peak MB':>8} {'all MB':>7} "
      f"{'size KB':>8}")
for label, (seconds, peak, tree, size) in runs.items():
    rate = pages / seconds if seconds > 0 else float("inf")
    # A run too short for the sampling to see shows "-".
    tree = f"{tree:.1f}" if tree >= peak / 2 else "-"
    print(f"{label:<22} {pages:>5} {seconds:>8.2f} {rate:>8.2f} {peak:>8.1f} {tree:>7} "
          f"{size:>8.0f}")
print("peak MB: GNU time's %M, the largest single process (vellumo-cli or one vellumo-ocr),")
print("  not the vellumo-ocr processes running at once added up; all MB: the resident memory of")
print("  the whole process tree added up, sampled every 0.1 s")

ocr, tess, plain = (runs[k] for k in labels[:3])
print(f"\nthroughput vellumo-cli --ocr / tesseract: {tess[0] / ocr[0]:.2f}x")
if labels[3] in runs:
    print(f"throughput vellumo-cli --ocr / tesseract with one thread: "
          f"{runs[labels[3]][0] / ocr[0]:.2f}x")
print(f"searchable PDF against the plain one: {(ocr[3] / plain[3] - 1) * 100:+.1f} % "
      f"({ocr[3] - plain[3]:.0f} KB of text layer, {(ocr[3] - plain[3]) / pages:.1f} KB a page)")

# Words: whitespace-separated, page by page (pdftotext ends each page with a form feed), each
# page's words counted as a multiset; the printed text is the reference for both.
def read_pages(path):
    text = open(path, encoding="utf-8", errors="replace").read()
    return [collections.Counter(page.split()) for page in text.split("\f")[:pages]]
ours = read_pages(os.path.join(work, "ours.txt"))
theirs = read_pages(os.path.join(work, "tesseract.txt"))
printed = [collections.Counter(open(os.path.join(work, "text", f"page-{n:04d}.txt"),
                                    encoding="utf-8").read().split())
           for n in range(1, pages + 1)]
def share(found, wanted):
    common = sum(sum((f & w).values()) for f, w in zip(found, wanted))
    total = sum(sum(w.values()) for w in wanted)
    return 100 * common / total if total else 0.0, total
t_in_o, t_total = share(ours, theirs)
o_in_t, o_total = share(theirs, ours)
print(f"words: {t_in_o:.2f} % of tesseract's {t_total} are in ours, "
      f"{o_in_t:.2f} % of our {o_total} are in tesseract's")
p_ours, p_total = share(ours, printed)
p_theirs, _ = share(theirs, printed)
print(f"printed words found ({p_total}): ours {p_ours:.2f} %, tesseract {p_theirs:.2f} %")
PY
