#!/usr/bin/env bash
# Configures and builds into build/ with every core. Usage: build.sh [Release|Debug] [cmake options]
# (scripts/test.sh adds -DWARNINGS_AS_ERRORS=ON). BUILD_TARGET, when set, builds that target alone.
set -euo pipefail
cd "$(dirname "$0")/.."
type="${1:-Release}"
shift || true
cmake -S . -B build -DCMAKE_BUILD_TYPE="$type" -DWARNINGS_AS_ERRORS=OFF "$@"
cmake --build build --parallel "$(nproc)" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
