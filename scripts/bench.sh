#!/usr/bin/env bash
# Installs what is missing, builds (Release) and runs every benchmark; each prints `name: value`
# lines. Ratios are medians of interleaved pairs (A B A B ...) with their spread (`_min`, `_max`),
# since this machine is shared. What the benchmarks write to stderr (the loader's diagnostics for
# every list value of the generated model) goes to build/bench/stderr.log.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh Release
export QT_HASH_SEED=0
: > build/bench/stderr.log
for bench in bench_relation bench_solver bench_model bench_serialization; do
    echo "# $bench"
    "build/bench/$bench" 2>>build/bench/stderr.log
done
