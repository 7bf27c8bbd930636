#!/usr/bin/env bash
# Starts the built program under a virtual X server with a private home folder, waits until it
# has settled and saves a screenshot of the screen.
#   scripts/screenshot.sh [output.png] [seconds]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-$root/docs/screenshot.png}")"
wait="${2:-4}"
program="${VELLUMO_PROGRAM:-$root/build/bin/vellumo}"
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT

mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/runtime" \
xvfb-run -a -s "-screen 0 1366x800x24" bash -c "
    '$program' &
    pid=\$!
    sleep '$wait'
    import -window root '$out'
    kill \$pid
    wait \$pid 2>/dev/null || true
"
echo "$out"
