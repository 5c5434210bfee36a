#!/usr/bin/env bash
# Installs what is missing, builds everything (benchmarks and tools included) and runs every test;
# then the model core's tests again under AddressSanitizer and UndefinedBehaviorSanitizer, and every
# fuzz target for a bounded number of inputs on its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh Release
(cd build && QT_HASH_SEED=0 QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")
scripts/sanitize.sh
scripts/fuzz.sh
