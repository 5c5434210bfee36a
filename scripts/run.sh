#!/usr/bin/env bash
# Installs what is missing, builds the program alone (not the tests and benchmarks) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
BUILD_TARGET=TORVA scripts/build.sh Release
# With no display at all the program says what is missing and ends with a non-zero status.
exec build/ide/TORVA "$@"
