#!/usr/bin/env bash
# Image export: "vellumo-cli images" against the usual command-line tools on the same pages,
# 100 scanned A4 pages at 300 dpi (2480 x 3508) as JPEG, grey and colour:
#  - JPEG at quality 85 against "djpeg | cjpeg -quality 85" per file (goal: at most 1.2 x);
#  - PNG against ImageMagick "convert" per file and "mogrify" over all files (goal: faster than
#    convert).
# Prints the median time of a few runs of each, the ratio, the goal, the files written and the
# size of the output.
#
# Usage: bench/image_export_bench.sh [build folder] [page count]   (default: build 100)
# Needs vellumo-cli built, and ImageMagick, libjpeg-turbo-progs and python3 installed.
# RUNS sets the number of runs per figure (default 3).
# The timed commands are single-quoted on purpose: the shell that runs them expands them.
# shellcheck disable=SC2016
set -euo pipefail

build=${1:-build}
pages=${2:-100}
runs=${RUNS:-3}
cli="$build/bin/vellumo-cli"

[[ -x $cli ]] || { echo "missing $cli: build it first" >&2; exit 1; }
for program in convert mogrify djpeg cjpeg python3; do
    command -v "$program" >/dev/null || { echo "$program is not installed" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/vellumo-image-export-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# A scanned text page: off-white paper, sensor noise, rows of grey "words", soft print. Drawn
# without fonts so that every machine makes the same page for the same seed.
page() {
    local seed=$1 out=$2
    local -a bars=()
    local y x width
    RANDOM=$seed
    for ((y = 300; y < 3200; y += 62)); do
        for ((x = 240; x < 2200; x += width + 24)); do
            width=$((60 + RANDOM % 180))
            bars+=(-draw "rectangle $x,$y $((x + width)),$((y + 30))")
        done
    done
    convert -size 2480x3508 xc:'#f4f2ee' -seed "$seed" -attenuate 0.15 +noise Gaussian \
        -fill '#262626' "${bars[@]}" -blur 0x0.8 -density 300 -units PixelsPerInch "$out"
}

echo "Making $pages A4 pages at 300 dpi (two grey and two colour pages, repeated)..."
mkdir -p "$work/made" "$work/pages"
for seed in 1 2 3 4; do
    page "$seed" "$work/made/$seed.png"
    if ((seed % 2)); then
        convert "$work/made/$seed.png" -colorspace Gray -quality 85 "$work/made/$seed.jpg"
    else
        convert "$work/made/$seed.png" -modulate 100,130,95 -quality 85 "$work/made/$seed.jpg"
    fi
done
files=()
for ((i = 1; i <= pages; i++)); do
    # A name of its own per page, for the tools that name their output after the input.
    name=$(printf '%s/pages/%04d.jpg' "$work" "$i")
    ln "$work/made/$(((i - 1) % 4 + 1)).jpg" "$name"
    files+=("$name")
done
printf '%s\n' "${files[@]}" >"$work/list"

# Median wall time in seconds of running the shell command $runs times, each into an empty
# folder "$work/out"; the folder is left as the last run wrote it.
median() {
    python3 - "$runs" "$work/out" "$1" <<'PY'
import shutil, statistics, subprocess, sys, time
runs, out, command = int(sys.argv[1]), sys.argv[2], sys.argv[3]
times = []
for _ in range(runs):
    shutil.rmtree(out, ignore_errors=True)
    shutil.os.makedirs(out)
    start = time.perf_counter()
    subprocess.run(["bash", "-c", command], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    times.append(time.perf_counter() - start)
print(f"{statistics.median(times):.2f}")
PY
}

written() {
    find "$work/out" -maxdepth 1 -type f | wc -l
}

size() {
    du -sh "$work/out" | cut -f1
}

# The ratio of two times and whether it meets the goal "<= limit" or "< limit".
verdict() {
    python3 -c "
r = $1 / $2
met = r <= $4 if '$3' == '<=' else r < $4
print(f'{r:.2f} x (goal $3 $4 x: ' + ('met' if met else 'NOT met') + ')')"
}

status=0
check() {
    local what=$1 count
    count=$(written)
    if ((count != pages)); then
        echo "  $what wrote $count files for $pages pages" >&2
        status=1
    fi
}

export cli work
echo "JPEG at quality 85:"
ours=$(median '"$cli" images -o "$work/out" --format jpg --quality 85 $(cat "$work/list")')
check "vellumo-cli"
ours_size=$(size)
theirs=$(median 'i=0; for f in $(cat "$work/list"); do i=$((i + 1));
    djpeg "$f" | cjpeg -quality 85 >"$work/out/$i.jpg"; done')
check "djpeg | cjpeg"
printf '  vellumo-cli images %s s (%s), djpeg | cjpeg %s s (%s), ratio %s\n' \
    "$ours" "$ours_size" "$theirs" "$(size)" "$(verdict "$ours" "$theirs" '<=' 1.2)"

echo "PNG:"
ours=$(median '"$cli" images -o "$work/out" --format png $(cat "$work/list")')
check "vellumo-cli"
ours_size=$(size)
convert_time=$(median 'i=0; for f in $(cat "$work/list"); do i=$((i + 1));
    convert "$f" "$work/out/$i.png"; done')
check "convert"
convert_size=$(size)
mogrify_time=$(median 'mogrify -path "$work/out" -format png $(cat "$work/list")')
check "mogrify"
printf '  vellumo-cli images %s s (%s), convert %s s (%s), ratio %s\n' \
    "$ours" "$ours_size" "$convert_time" "$convert_size" \
    "$(verdict "$ours" "$convert_time" '<' 1.0)"
printf '  mogrify %s s (%s), vellumo-cli against it %s\n' "$mogrify_time" "$(size)" \
    "$(python3 -c "print(f'{$ours / $mogrify_time:.2f} x')")"
exit "$status"
