#!/usr/bin/env bash
# Fails when the code breaks its layering:
#  - a source of the widget-free library vellumo_core includes a widget header (QtWidgets,
#    QtPrintSupport, QtSvgWidgets or QtOpenGLWidgets, in any spelling: <QWidget>,
#    <QtWidgets/QWidget>, <QtWidgets>, <qwidget.h>, ...);
#  - a folder includes from a folder on its own floor or above it (the floors are declared
#    below, lowest first); every source folder the build adds must have a floor.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

headers="$(qtpaths6 --query QT_INSTALL_HEADERS 2>/dev/null || true)"
[ -d "$headers" ] || headers=/usr/include/x86_64-linux-gnu/qt6
widget_modules=(QtWidgets QtPrintSupport QtSvgWidgets QtOpenGLWidgets)
declare -A widget_header=()
for module in "${widget_modules[@]}"; do
    widget_header[$module]=1
    [ -d "$headers/$module" ] || continue
    for file in "$headers/$module"/*; do
        widget_header[$(basename "$file")]=1
    done
done
if [ "${#widget_header[@]}" -le "${#widget_modules[@]}" ]; then
    echo "check-layers: no QtWidgets headers under $headers (is qt6-base-dev installed?)" >&2
    exit 2
fi

status=0

# Sources of vellumo_core: the files each folder's CMakeLists.txt lists for it.
core_sources=()
for list in */CMakeLists.txt; do
    folder="$(dirname "$list")"
    while read -r name; do
        [ -f "$folder/$name" ] && core_sources+=("$folder/$name")
    done < <(awk '/target_sources\(vellumo_core/ { inside=1; sub(/.*target_sources\(vellumo_core/, "") }
                  inside { gsub(/\)/, " ) "); for (i = 1; i <= NF; i++) {
                           if ($i == ")") { inside=0; break }
                           if ($i ~ /\.(cpp|h)$/) print $i } }' "$list")
done
if [ "${#core_sources[@]}" -eq 0 ]; then
    echo "check-layers: found no sources of vellumo_core" >&2
    exit 2
fi
for file in "${core_sources[@]}"; do
    while IFS=: read -r line include; do
        name="${include##*/}"
        module="${include%%/*}"
        if [ -n "${widget_header[$name]:-}" ] || [ -n "${widget_header[$module]:-}" ]; then
            echo "$file:$line: the widget-free core includes the widget header <$include>"
            status=1
        fi
    done < <(grep -noE '^\s*#\s*include\s*[<"][^>"]+[>"]' "$file" |
             sed -E 's/^([0-9]+):\s*#\s*include\s*[<"]([^>"]+)[>"]/\1:\2/')
done

# The floors of the source folders, lowest first. A folder may include from the floors below
# its own only: never sideways, never up. The programs beside the window (cli, pagetool, ocrtool)
# stand on the top floor with it.
floors=(
    "core"
    "ribbon imaging ocr"
    "pages"
    "scan export"
    "import options"
    "app cli pagetool ocrtool"
)
declare -A floor_of=()
for level in "${!floors[@]}"; do
    for folder in ${floors[$level]}; do
        floor_of[$folder]=$level
    done
done

# The source folders are the ones the top CMakeLists.txt adds (resources, tests, benchmarks and
# fuzz targets aside): a new folder without a floor is an error, not a folder left unchecked.
folders=()
while read -r folder; do
    case "$folder" in resources | tests | bench | fuzz) continue ;; esac
    folders+=("$folder")
    if [ -z "${floor_of[$folder]:-}" ]; then
        echo "CMakeLists.txt adds the folder $folder, which has no floor in scripts/check-layers.sh"
        status=1
    fi
done < <(sed -nE 's/^\s*add_subdirectory\(([a-z]+)\).*/\1/p' CMakeLists.txt)

for folder in "${folders[@]}"; do
    [ -n "${floor_of[$folder]:-}" ] || continue
    while IFS=: read -r file line used; do
        [ "$used" = "$folder" ] && continue
        [ -n "${floor_of[$used]:-}" ] || continue
        if [ "${floor_of[$used]}" -ge "${floor_of[$folder]}" ]; then
            echo "$file:$line: $folder/ includes from $used/, which is not on a floor below it"
            status=1
        fi
    done < <(grep -rnoE '^\s*#\s*include\s*"[a-z]+/' "$folder" --include='*.cpp' --include='*.h' |
             sed -E 's/^([^:]+):([0-9]+):.*"([a-z]+)\/$/\1:\2:\3/')
done

[ "$status" -eq 0 ] && echo "Layers: ${#core_sources[@]} core sources without widgets; ${#folders[@]} folders on ${#floors[@]} floors, each including only from below."
exit "$status"
