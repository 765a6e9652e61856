#!/usr/bin/env bash
# Installs what is missing, checks formatting and the floors, builds everything with warnings as errors
# and runs every test: the whole suite, then the cores (linted by clang-tidy) and their tests again
# under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, and last every reader of outside
# text under the fuzzer for 10 seconds, from the same sanitizer build (scripts/fuzz.sh runs them longer).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh

# Quick checks first: they take a second and name the file to fix.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
scripts/check-floors.sh

export QT_QPA_PLATFORM=offscreen
cmake --preset dev
cmake --build --preset dev
ctest --preset dev

cmake --preset asan
cmake --build --preset asan
ctest --preset asan

QUARRYTIDE_FUZZ_PRESET=asan QUARRYTIDE_FUZZ_JOBS=2 scripts/fuzz.sh 10
