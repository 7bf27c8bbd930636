#!/usr/bin/env bash
# Builds a benchmark (Release) and runs it in a private temporary home folder, offscreen, so it
# never touches the user's settings or pages.
#
#   scripts/bench.sh [pagestore|project|editing|scan|pdf|startup|batch|print|responsive] [arguments...]
#
# pagestore (the default when no name is given): adding pages, thumbnails, JPEG encoding,
# renumbering and the memory of a long page list. project: saving and opening a long project file
# against zip and unzip. editing: turning, cropping and restoring a colour A4 page, and the
# JPEG save against cjpeg. scan: from the last byte of a scanned A4 frame to the page shown in
# the list, with the SANE read beside it (SANE's test device). pdf: writing 100 and 500 scanned
# A4 pages into a PDF against img2pdf and cat, with the peak memory (bench/pdf_bench.sh; its
# arguments are page counts). startup: the real program's start with the system's SANE
# configuration, until its window is built and until its scanners are listed
# (bench/startup_bench.sh). batch: automatic cropping of 50 checked pages, one page tool run at a
# time against two at once. print: 50 and 200 colour A4 pages printed to a PDF printer and shown in
# the print preview, with the peak memory, against img2pdf (bench/print_bench.sh; its arguments are
# the two page counts). responsive: the longest gap of a 10 ms timer on the window's thread while
# a 100-page PDF import, a 20-page crop batch, a 50-page searchable PDF export and a 20-page feeder
# scan run (goal: 50 ms). The remaining arguments go to the benchmark (for example --pages 50).
# The figures go to stdout, progress to stderr. The page files are written under TMPDIR (default
# /tmp): the figures depend on that disk.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELLUMO_BUILD_DIR:-$root/build}"

bench=pagestore
case "${1:-}" in
    pagestore | project | editing | scan | pdf | startup | batch | print | responsive)
        bench="$1"
        shift
        ;;
esac

bash "$root/scripts/bootstrap.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELLUMO_BUILD_TESTS=OFF >/dev/null
if [[ $bench == startup ]]; then
    # The real program with the system's SANE configuration; it makes its own private homes.
    cmake --build "$build" --target vellumo
    exec bash "$root/bench/startup_bench.sh" "$build"
fi
if [[ $bench == pdf ]]; then
    cmake --build "$build" --target vellumo-cli
    run=(bash "$root/bench/pdf_bench.sh" "$build")
elif [[ $bench == print ]]; then
    cmake --build "$build" --target bench_print
    run=(bash "$root/bench/print_bench.sh" "$build")
else
    cmake --build "$build" --target "bench_$bench"
    run=("$build/bin/bench_$bench")
fi

home="$(mktemp -d "${TMPDIR:-/tmp}/vellumo-bench.XXXXXX")"
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config" "$home/data" "$home/cache" "$home/runtime"
chmod 700 "$home/runtime"

HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    XDG_CACHE_HOME="$home/cache" XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home" \
    QT_QPA_PLATFORM=offscreen \
    "${run[@]}" "$@"
