#!/usr/bin/env bash
# Start-up of the real program with the system's own SANE configuration (every backend Debian
# lists), offscreen with a private home: when the window is built (the settings it writes at
# the end of its construction appear), and when the scanners have been listed in the background
# (the "Scanners" key appears). Five runs; prints each and the medians.
#   bench/startup_bench.sh BUILD_DIR
set -euo pipefail
build="$1"
program="$build/bin/vellumo"
runs=5

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

window_times=()
scanner_times=()
for run in $(seq 1 "$runs"); do
    home="$(mktemp -d)"
    mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
    settings="$home/.config/Leafkin/Vellumo.conf"
    start=$(now_ms)
    env -u SANE_CONFIG_DIR HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
        XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen "$program" >/dev/null 2>&1 &
    pid=$!
    window=""
    scanners=""
    for _ in $(seq 1 3000); do
        if [ -z "$window" ] && grep -q '^JpegQuality=' "$settings" 2>/dev/null; then
            window=$(( $(now_ms) - start ))
        fi
        if [ -z "$scanners" ] && grep -q '^Scanners=' "$settings" 2>/dev/null; then
            scanners=$(( $(now_ms) - start ))
        fi
        [ -n "$window" ] && [ -n "$scanners" ] && break
        sleep 0.01
    done
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -rf "$home"
    echo "run $run: window built after ${window:-?} ms, scanners listed after ${scanners:-?} ms"
    window_times+=("${window:-99999}")
    scanner_times+=("${scanners:-99999}")
done
median() { printf '%s\n' "$@" | sort -n | sed -n "$(( ($# + 1) / 2 ))p"; }
echo "median: window built after $(median "${window_times[@]}") ms" \
     "(the window then settles for 300 ms before it takes input);" \
     "scanners listed after $(median "${scanner_times[@]}") ms"
