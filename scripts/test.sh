#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test:
# the whole suite, then the core tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

# Formatting is checked first: it takes a second and names the file to fix.
(cd "$root" && git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror)

export QT_QPA_PLATFORM=offscreen
"$root/scripts/build.sh" "$root/build" -DQT_WARNINGS_AS_ERRORS=ON
ctest --test-dir "$root/build" --output-on-failure --parallel 2

"$root/scripts/build.sh" "$root/build-asan" -DQT_WARNINGS_AS_ERRORS=ON -DQT_SANITIZE=ON -DQT_BUILD_UI=OFF \
    -DQT_BUILD_BENCHMARKS=OFF -DCMAKE_BUILD_TYPE=Debug
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir "$root/build-asan" --output-on-failure --parallel 2 -L core
