#!/usr/bin/env bash
# Fails when a C++ file of the repo does not follow .clang-format.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror
