#!/usr/bin/env bash
# Installs what Vellumo needs, builds it (Release) and starts it. An argument (a project file)
# is passed on to the program. Building the program target builds the tools it runs as well.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELLUMO_BUILD_DIR:-$root/build}"

bash "$root/scripts/bootstrap.sh"

# A session without a runtime folder (a bare console, a container) gets a private one, so that
# Qt (the build's own Qt tools included) has somewhere to put its sockets and says nothing.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$build/runtime"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELLUMO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target vellumo

exec "$build/bin/vellumo" "$@"
