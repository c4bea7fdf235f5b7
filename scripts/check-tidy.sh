#!/usr/bin/env bash
# Runs clang-tidy (checks in .clang-tidy, warnings as errors) on the project's
# sources, using the compile commands of a configured build folder.
# Usage: scripts/check-tidy.sh [BUILD_FOLDER]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ ! -f "$build/compile_commands.json" ]; then
    echo "check-tidy: $build/compile_commands.json is missing; configure the build first" >&2
    exit 2
fi
run-clang-tidy -p "$build" -j "$(nproc)" -quiet \
    "$PWD/(model|puzzlefile|solver|gridview|app|viewer|cli)/" > "$build/clang-tidy.log" 2>&1 || {
    grep -E 'warning:|error:' "$build/clang-tidy.log" | sort -u >&2
    echo "check-tidy: clang-tidy found problems (whole output in $build/clang-tidy.log)" >&2
    exit 1
}
echo "check-tidy: clang-tidy is clean"
