#!/usr/bin/env bash
# Installs what is missing, builds everything (benchmarks included) and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh Release
cd build
QT_HASH_SEED=0 QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)"
