#!/usr/bin/env bash
# Installs what Vellumo needs, builds it (Release) and starts it. An argument (a project file)
# is passed on to the program.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELLUMO_BUILD_DIR:-$root/build}"

bash "$root/scripts/bootstrap.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELLUMO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target vellumo
exec "$build/bin/vellumo" "$@"
