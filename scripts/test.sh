#!/usr/bin/env bash
# Installs what is missing, checks the layout of the changed lines (scripts/format.sh), builds
# everything (benchmarks and tools included) with warnings as errors and runs every test; then every
# test again under AddressSanitizer and UndefinedBehaviorSanitizer, and every fuzz target for a
# bounded number of inputs on its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang-format
scripts/format.sh
scripts/build.sh Release -DWARNINGS_AS_ERRORS=ON
(cd build && QT_HASH_SEED=0 QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")
scripts/sanitize.sh
scripts/fuzz.sh
