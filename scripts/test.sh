#!/usr/bin/env bash
# Installs what is missing, checks the layout of the code, builds everything and
# runs every test twice: a plain build in build/ (with the benchmarks, so they
# keep compiling), then one with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/; last, clang-tidy over the sources. The builds are the
# presets of CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
bash scripts/check-format.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

run_suite() {
    local preset=$1
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
}

run_suite plain
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_suite sanitize
bash scripts/check-tidy.sh build
