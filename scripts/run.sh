#!/usr/bin/env bash
# Installs what is missing, builds the programs and starts zdqt from build/,
# where it finds ../zd/orol.zd and ../images/ as it expects.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset plain
cmake --build --preset plain -j "$(nproc)"
cd build
if [ -x ./zdqt ]; then
    exec ./zdqt "$@"
fi
exec ./zdsolve ../zd/orol.zd
