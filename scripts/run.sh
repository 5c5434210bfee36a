#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh Release
if [ -x build/ide/TORVA ]; then
    exec build/ide/TORVA "$@"
fi
echo "The model core is built (build/); the desktop program arrives with the interface subsystems."
