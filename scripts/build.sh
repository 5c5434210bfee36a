#!/usr/bin/env bash
# Configures and builds into build/ with every core. Usage: build.sh [Release|Debug]
set -euo pipefail
cd "$(dirname "$0")/.."
type="${1:-Release}"
cmake -S . -B build -DCMAKE_BUILD_TYPE="$type"
cmake --build build --parallel "$(nproc)"
