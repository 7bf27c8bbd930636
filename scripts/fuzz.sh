#!/usr/bin/env bash
# Fuzzes the scanned-page bitmap decoder with libFuzzer for a number of seconds (first argument,
# default 600). Builds with clang in its own folder (VELLUMO_FUZZ_BUILD_DIR, default build-fuzz),
# starts from a few valid bitmaps of every format, and keeps the grown corpus between runs.
# Inputs that crash land in <build>/fuzz/findings; the run's log is <build>/fuzz/findings/fuzz-0.log.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELLUMO_FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${1:-600}"

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DVELLUMO_FUZZ=ON \
    -DVELLUMO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target fuzz_dib dib_seeds

work="$build/fuzz"
mkdir -p "$work/seeds" "$work/corpus" "$work/findings"
"$build/bin/dib_seeds" "$work/seeds"

# One job and one worker: the machines that run this are shared.
cd "$work/findings"
status=0
"$build/bin/fuzz_dib" -max_total_time="$seconds" -max_len=4096 -jobs=1 -workers=1 \
    -print_final_stats=1 -artifact_prefix="$work/findings/" "$work/corpus" "$work/seeds" \
    || status=$?
tail -n 25 "$work/findings/fuzz-0.log"
exit "$status"
