#!/usr/bin/env bash
# Installs what Vellumo needs, builds it with its tests (warnings are errors) and runs the whole
# suite through ctest. Extra arguments go to ctest (for example -R Ribbon).
#   scripts/test.sh --sanitize [ctest arguments]
# builds a second tree (build-sanitize) with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the same suite there; any report of either fails the run.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

sanitize=0
if [ "${1:-}" = "--sanitize" ]; then
    sanitize=1
    shift
fi

bash "$root/scripts/bootstrap.sh"
if [ "$sanitize" = 1 ]; then
    build="${VELLUMO_SANITIZE_BUILD_DIR:-$root/build-sanitize}"
    # Unoptimised: quicker to build, and the reports point at the right lines.
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 \
        -DVELLUMO_WERROR=ON -DVELLUMO_BUILD_TESTS=ON -DVELLUMO_SANITIZE=ON \
        -DVELLUMO_BUILD_BENCH=OFF -DVELLUMO_UNITY=ON >/dev/null
    # Leaks are not judged here (Qt, fontconfig and SANE keep caches until exit); every other
    # report stops the program with a failure.
    export ASAN_OPTIONS="detect_leaks=0:abort_on_error=0:exitcode=86"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    # The kill -9 trials judge files, not memory, and take minutes under the sanitizers; the
    # package is checked in the plain build.
    set -- -LE "crash-trials|packaging" "$@"
else
    build="${VELLUMO_TEST_BUILD_DIR:-$root/build-tests}"
    # VELLUMO_BUILD_BENCH=OFF leaves the benchmark programs out (CI, where nothing runs them).
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELLUMO_WERROR=ON \
        -DVELLUMO_BUILD_TESTS=ON -DVELLUMO_BUILD_BENCH="${VELLUMO_BUILD_BENCH:-ON}" >/dev/null
fi
cmake --build "$build"

# Quiet Qt's warning about a missing runtime folder in minimal environments.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="$build/runtime"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
fi
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
