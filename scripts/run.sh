#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh Release
# With no display at all the program says what is missing and ends with a non-zero status.
exec build/ide/TORVA "$@"
