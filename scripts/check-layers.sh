#!/usr/bin/env bash
# Fails when the code breaks its layering:
#  - a source of the widget-free library vellumo_core includes a widget header (QtWidgets,
#    QtPrintSupport, QtSvgWidgets or QtOpenGLWidgets, in any spelling: <QWidget>,
#    <QtWidgets/QWidget>, <QtWidgets>, <qwidget.h>, ...);
#  - a folder below app/ includes from app/;
#  - two folders include from each other, directly or round a longer circle.
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

# Dependencies between our folders, from the include lines.
folders=(core app pages imaging scan export import options ribbon cli pagetool)
edges=""
for folder in "${folders[@]}"; do
    [ -d "$folder" ] || continue
    for used in $(grep -rhoE '^\s*#\s*include\s*"[a-z]+/' "$folder" --include='*.cpp' \
                      --include='*.h' | sed -E 's/.*"([a-z]+)\//\1/' | sort -u); do
        [ "$used" = "$folder" ] && continue
        [ -d "$used" ] || continue
        edges+="$folder $used"$'\n'
        if [ "$used" = app ]; then
            grep -rnE '^\s*#\s*include\s*"app/' "$folder" --include='*.cpp' --include='*.h' |
                sed 's/$/   <- below app\/, must not include from app\//'
            status=1
        fi
    done
done
if ! printf '%s' "$edges" | tsort >/dev/null 2>/tmp/check-layers.$$; then
    echo "Folders include from each other in a circle:"
    sed 's/^/  /' /tmp/check-layers.$$
    printf '%s' "$edges" | sed 's/^/  /'
    status=1
fi
rm -f /tmp/check-layers.$$

[ "$status" -eq 0 ] && echo "Layers: ${#core_sources[@]} core sources without widgets; folders in order."
exit "$status"
