#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) in
# build-fuzz/ and runs each of them in turn for SECONDS seconds (default 60), starting from its seed
# corpus in fuzz/corpus/<target>/. What a run learns is kept in build-fuzz/corpus/; an input that makes
# a target fail is saved in build-fuzz/findings/ and ends the script with a failure.
#   scripts/fuzz.sh [SECONDS] [TARGET]...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-60}
shift || true

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for seeds in fuzz/corpus/*/; do
        targets+=("$(basename "$seeds")")
    done
fi

failed=()
for target in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$target
    findings=build-fuzz/findings/$target
    mkdir -p "$corpus" "$findings"
    echo "== $target: ${seconds} s"
    # Leaks are looked for per input; the first failure ends the target's run.
    if ! ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$target" \
        >"build-fuzz/$target.log" 2>&1; then
        failed+=("$target")
        tail -n 60 "build-fuzz/$target.log"
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^#[0-9]+ *DONE' "build-fuzz/$target.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzz targets that failed: ${failed[*]} (inputs in build-fuzz/findings/)"
    exit 1
fi
echo "Fuzz targets passed: ${#targets[@]}"
