#!/usr/bin/env bash
# Starts the program under a virtual X server with a private home folder, waits until it has
# settled and saves a screenshot of the screen.
#   scripts/screenshot.sh [output.png] [seconds] [--pages]
# With --pages, four sample document pages are drawn and loaded first (needs the test build).
# VELLUMO_SHOT_BEFORE may hold shell commands run just before the picture is taken (for example
# xdotool moves that leave a drag in progress).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-$root/docs/screenshot.png}")"
wait="${2:-4}"
mode="${3:-}"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/runtime" && chmod 700 "$home/runtime"

command=("${VELLUMO_PROGRAM:-$root/build/bin/vellumo}")
if [ "$mode" = "--pages" ]; then
    command=("${VELLUMO_SHOW_PAGES:-$root/build-tests/tests/bin/show_pages}")
    mapfile -t pages < <(bash "$root/scripts/sample-pages.sh" "$home")
    command+=("${pages[@]}")
fi

HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/runtime" \
xvfb-run -a -s "-screen 0 1366x800x24" bash -c '
    "$@" &
    pid=$!
    sleep '"$wait"'
    eval "${VELLUMO_SHOT_BEFORE:-}"
    import -window root '"'$out'"'
    kill $pid
    wait $pid 2>/dev/null || true
' bash "${command[@]}"
echo "$out"
