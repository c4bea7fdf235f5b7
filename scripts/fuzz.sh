#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz with clang in build-fuzz/ and
# runs each for SECONDS (default 600), starting from its seed corpus, with
# inputs of up to 1 MB. New inputs gather in build-fuzz/fuzz-work/NAME/corpus,
# crashes in build-fuzz/fuzz-work/NAME/crashes. Prints the executions and the
# coverage reached per harness; exits 1 when any harness found a crash.
#
#     scripts/fuzz.sh [SECONDS] [NAME...]     NAME: zd zdb non nin tcga picture solvers
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
    harnesses=(zd zdb non nin tcga picture solvers)
fi
build=build-fuzz
jobs=$(nproc)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZD_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j "$jobs" --target "${harnesses[@]/#/fuzz_}"

found=0
for name in "${harnesses[@]}"; do
    work=$build/fuzz-work/$name
    mkdir -p "$work/corpus" "$work/crashes"
    before=$(find "$work/crashes" -type f | wc -l)
    status=0
    "$build/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -max_len=1048576 \
        -rss_limit_mb=2048 -timeout=60 -print_final_stats=1 \
        -artifact_prefix="$work/crashes/" "$work/corpus" "tests/fuzz/corpus/$name" \
        >"$work/log" 2>&1 || status=$?
    after=$(find "$work/crashes" -type f | wc -l)
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/log" | grep -o '[0-9]*$' || echo "?")
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$work/log" | tail -1 || echo "cov: ? ft: ?")
    echo "$name: $runs runs in ${seconds} s, $coverage, $((after - before)) new crashes (exit $status)"
    if [ "$status" -ne 0 ] || [ "$after" -gt "$before" ]; then
        found=1
        echo "  see $work/log and $work/crashes/"
    fi
done
exit $found
