#!/usr/bin/env bash
# Installs what Vellumo needs, builds it with its tests (warnings are errors) and runs the whole
# suite through ctest. Extra arguments go to ctest (for example -R Ribbon).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELLUMO_TEST_BUILD_DIR:-$root/build-tests}"

bash "$root/scripts/bootstrap.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELLUMO_WERROR=ON \
    -DVELLUMO_BUILD_TESTS=ON >/dev/null
cmake --build "$build"

# Quiet Qt's warning about a missing runtime folder in minimal environments.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$build/runtime"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
