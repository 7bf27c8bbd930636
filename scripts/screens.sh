#!/usr/bin/env bash
# Renders every window and dialog of Vellumo for the documentation, under a virtual X server
# with a window manager (openbox, so that dialogs have their title bars), at 1366 x 768 and at
# 1920 x 1080:
#   scripts/screens.sh [build-dir]
# build-dir (default: build-tests) is a build with the tests, holding bin/vellumo and
# tests/bin/show_pages. The pictures go to docs/screens/<W>x<H>/NN-name.png; with
# SCREENS_ONLY set to a pattern ("2?-*"), only the shots whose names match are taken again.
# Needs xvfb-run, openbox, xprop, ImageMagick and python3 (scripts/bootstrap.sh).
# Every shot starts the program afresh with a private home folder: the main window without
# pages is the program itself, the others are show_pages with four drawn sample pages and a
# command or dialog opened by its VELLUMO_SHOW_* variables.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

if [ "${1:-}" != "--inside" ]; then
    build="$(realpath "${1:-$root/build-tests}")"
    for binary in "$build/bin/vellumo" "$build/tests/bin/show_pages"; do
        [ -x "$binary" ] || { echo "screens.sh: $binary is missing" >&2; exit 1; }
    done
    for size in 1366x768 1920x1080; do
        echo "== $size" >&2
        xvfb-run -a -s "-screen 0 ${size}x24 -nolisten tcp" "$0" --inside "$build" "$size"
    done
    exit 0
fi

# From here on: one session on the virtual screen of the given size.
build="$2"
size="$3"
out="$root/docs/screens/$size"
scratch="$(mktemp -d /tmp/vellumo-screens.XXXXXX)"
helpers=()
cleanup() {
    for pid in "${helpers[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -p "$out"
only="${SCREENS_ONLY:-}"
[ -z "$only" ] && rm -f "$out"/[0-9][0-9]-*.png

# The window manager; the shots wait until it has taken the screen.
openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
helpers+=($!)
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

# Four sample pages, as scripts/screenshot.sh draws them.
mapfile -t pages < <(bash "$root/scripts/sample-pages.sh" "$scratch")

# A local update server offering the next version, for the update dialog.
version="$(sed -n 's/^project(vellumo VERSION \([0-9]*\)\.\([0-9]*\).*/\1 \2/p' "$root/CMakeLists.txt")"
read -r major minor <<<"$version"
mkdir -p "$scratch/www/update"
printf '<?xml version="1.0"?>\n<update><version>%s.%s</version><path>%s</path></update>\n' \
    "$major" "$((minor + 1))" "https://example.org/download/vellumo-$major.$((minor + 1)).deb" \
    >"$scratch/www/update/update.xml"
python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$scratch/www" >"$scratch/http.log" 2>&1 &
helpers+=($!)
port=""
for _ in $(seq 50); do
    port="$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$scratch/http.log")"
    [ -n "$port" ] && break
    sleep 0.1
done

# The SANE test scanners, and a copy that delivers slowly, so that a scan in progress can be
# seen.
sane="$root/tests/scan/sane"
mkdir -p "$scratch/slow-sane"
cp "$sane"/*.conf "$scratch/slow-sane/"
printf 'read-limit true\nread-limit-size 65536\nread-delay true\nread-delay-duration 20000\n' \
    >>"$scratch/slow-sane/test.conf"

shown_pages=("$build/tests/bin/show_pages" "${pages[@]}")

# shot NAME SECONDS [VAR=value...]: starts show_pages with the sample pages (or what the
# program array holds) with the given variables in a fresh home, waits, runs the shell
# commands in $before (xdotool moves), saves the screen and ends the program.
shot() {
    local name="$1" wait="$2"
    shift 2
    # shellcheck disable=SC2053 # the pattern is meant to match
    [ -n "$only" ] && [[ $name != $only ]] && return 0
    local home="$scratch/home"
    rm -rf "$home"
    mkdir -p "$home/.config/Leafkin" "$home/runtime"
    chmod 700 "$home/runtime"
    # Not the first start, and no update check: no pop-up unless a shot asks for one.
    printf '[General]\nFirstStart=2024-03-01T09:00:00\nAutoUpdate=false\n' \
        >"$home/.config/Leafkin/Vellumo.conf"
    local command=("${shown_pages[@]}")
    [ ${#program[@]} -gt 0 ] && command=("${program[@]}")
    env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
        XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/runtime" \
        PATH="$build/bin:$PATH" SANE_CONFIG_DIR="$sane" \
        VELLUMO_UPDATE_HOST="http://127.0.0.1:$port" \
        "$@" "${command[@]}" >"$scratch/$name.log" 2>&1 &
    local pid=$!
    sleep "$wait"
    eval "${before:-}"
    import -window root "$out/$name.png"
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 30); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "$out/$name.png" >&2
}

# The main window: the program itself without pages, then with pages on each ribbon page.
program=("$build/bin/vellumo")
shot 01-main-window-empty 4
program=()
shot 02-main-window-scan-pdf 3
shot 03-main-window-editing 3 VELLUMO_SHOW_RIBBON=1
shot 04-main-window-composition 3 VELLUMO_SHOW_RIBBON=2
shot 05-main-window-information 3 VELLUMO_SHOW_RIBBON=3

# The editor's modes and page commands with dialogs.
shot 06-crop-mode 3 VELLUMO_SHOW_RIBBON=1 VELLUMO_SHOW_ACTION="Crop Image"
shot 07-rotate-mode 3 VELLUMO_SHOW_RIBBON=1 VELLUMO_SHOW_ACTION="Rotate to Angle"
shot 08-image-contrast 3 VELLUMO_SHOW_RIBBON=1 VELLUMO_SHOW_COMMAND=brightness
shot 09-move-to-position 3 VELLUMO_SHOW_RIBBON=2 VELLUMO_SHOW_COMMAND=movePosition

# Export.
shot 10-export-pdf 3 VELLUMO_SHOW_COMMAND=buildPdf
shot 11-export-djvu 3 VELLUMO_SHOW_COMMAND=buildDjvu
shot 12-export-word 3 VELLUMO_SHOW_COMMAND=buildWord
shot 13-export-pictures 3 VELLUMO_SHOW_COMMAND=exportFiles
shot 14-print-preview 4 VELLUMO_SHOW_COMMAND=print

# The options dialog opens on the page it showed last.
number=15
for page in Common:general Scanner:scanner ScanRes:resolution Cropping:cropping; do
    shot "$number-options-${page#*:}" 3 VELLUMO_SHOW_COMMAND=settings \
        VELLUMO_SHOW_SETTINGS="LastOptionsPage=PT_${page%%:*}"
    number=$((number + 1))
done

# Scanning: the scanner choice and the automatic scanning wizard (SANE's test scanners).
shot 19-select-scanner 3 VELLUMO_SHOW_COMMAND=selectSource
shot 20-auto-scan-start 3 VELLUMO_SHOW_COMMAND=autoScan
shot 21-auto-scan-scanning 4 VELLUMO_SHOW_COMMAND=autoScan VELLUMO_SHOW_NEXT=1 \
    SANE_CONFIG_DIR="$scratch/slow-sane"
shot 22-auto-scan-waiting 5 VELLUMO_SHOW_COMMAND=autoScan VELLUMO_SHOW_NEXT=1

# Messages: the save question, a pop-up, the update offer and the about box.
shot 23-save-question 3 VELLUMO_SHOW_COMMAND=newProject
shot 24-popup-message 3 VELLUMO_SHOW_MESSAGE='PDF file was created.<br>Open <a href="file:///tmp/book.pdf">book.pdf</a>'
shot 25-update 4 VELLUMO_SHOW_COMMAND=update
shot 26-about 3 VELLUMO_SHOW_COMMAND=about

# A searchable PDF chosen in the export dialog, in German.
shot 27-export-pdf-searchable 3 VELLUMO_SHOW_COMMAND=buildPdf \
    VELLUMO_SHOW_SETTINGS="PdfOcr=true;OcrLanguage=deu"
