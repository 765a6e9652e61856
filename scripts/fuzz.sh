#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer) in
# build-fuzz/ and runs each of them in turn for SECONDS seconds (default 60), starting from its seed
# corpus in fuzz/corpus/<target>/. What a run learns is kept in build-fuzz/corpus/; an input that makes
# a target fail is saved in build-fuzz/findings/ and ends the script with a failure.
#   scripts/fuzz.sh [SECONDS] [TARGET]...
# QUARRYTIDE_FUZZ_PRESET=asan runs the targets the sanitizer build already holds (the test command's
# short run), instead of building the optimised fuzz preset.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-60}
shift || true

preset=${QUARRYTIDE_FUZZ_PRESET:-fuzz}
build=build-$preset
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for seeds in fuzz/corpus/*/; do
        targets+=("$(basename "$seeds")")
    done
fi

# One target on its own, its log in $build/<target>.log; fails when the target found something.
fuzz_one() {
    local target=$1
    local corpus=$build/corpus/$target findings=$build/findings/$target
    mkdir -p "$corpus" "$findings"
    # Leaks are looked for per input; the first failure ends the target's run.
    ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$target" \
        >"$build/$target.log" 2>&1
}

# QUARRYTIDE_FUZZ_JOBS targets run side by side (one per core is what the test command uses).
jobs=${QUARRYTIDE_FUZZ_JOBS:-1}
declare -A running=()
failed=()
finish_one() {
    local pid target
    wait -n -p pid "${!running[@]}" && status=0 || status=$?
    target=${running[$pid]}
    unset "running[$pid]"
    echo "== $target: ${seconds} s"
    if [ "$status" -ne 0 ]; then
        failed+=("$target")
        tail -n 60 "$build/$target.log"
    fi
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)|^#[0-9]+ *DONE' "$build/$target.log" || true
}
for target in "${targets[@]}"; do
    while [ ${#running[@]} -ge "$jobs" ]; do finish_one; done
    fuzz_one "$target" &
    running[$!]=$target
done
while [ ${#running[@]} -gt 0 ]; do finish_one; done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzz targets that failed: ${failed[*]} (inputs in $build/findings/)"
    exit 1
fi
echo "Fuzz targets passed: ${#targets[@]}"
