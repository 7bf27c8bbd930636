#!/usr/bin/env bash
# Builds the Debian package vellumo_<version>_amd64.deb (a Release build without tests in
# build-package) and checks it with lintian. Installs what the build needs first.
#   scripts/package.sh [output folder]   (default: the repository's root)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="$(realpath -m "${1:-$root}")"
build="${VELLUMO_PACKAGE_BUILD_DIR:-$root/build-package}"

bash "$root/scripts/bootstrap.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELLUMO_BUILD_TESTS=OFF \
    -DVELLUMO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build"
mkdir -p "$out"
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
deb="$(ls -t "$out"/vellumo_*_amd64.deb | head -n 1)"
lintian "$deb" || true
echo "$deb"
