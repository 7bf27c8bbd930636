#!/usr/bin/env bash
# Fails when building only the program target ("vellumo", what scripts/run.sh builds) would
# leave out a program that Vellumo starts at run time. The tools are the "vellumo-..." names the
# program's code looks up; the check lists the commands of that target's build in a fresh
# folder (ninja -t commands), so nothing is compiled.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

mapfile -t tools < <(grep -rhoE '"vellumo-[a-z]+"' app core pages imaging scan export import ocr \
                         --include='*.cpp' --include='*.h' 2>/dev/null | tr -d '"' | sort -u)
if [ "${#tools[@]}" -eq 0 ]; then
    echo "check-program-target: the code looks up no tools of its own" >&2
    exit 2
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cmake -S "$root" -B "$scratch" -G Ninja -DVELLUMO_BUILD_TESTS=OFF -DVELLUMO_BUILD_BENCH=OFF \
    >/dev/null
plan="$(ninja -C "$scratch" -t commands vellumo)"

status=0
for tool in "${tools[@]}"; do
    if ! grep -qE -- "-o bin/$tool( |\$)" <<<"$plan"; then
        echo "Building the vellumo target leaves out $tool, which the program runs."
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "The vellumo target builds its tools: ${tools[*]}."
exit "$status"
