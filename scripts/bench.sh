#!/usr/bin/env bash
# Installs what is missing, builds (Release) and runs every benchmark; each prints `name: value`
# lines, every figure a median of several runs.
set -euo pipefail
cd "$(dirname "$0")/.."
# graphviz: bench_graph times `dot` on the graph it draws; nothing else needs it.
scripts/setup.sh graphviz
scripts/build.sh Release
export QT_HASH_SEED=0
for bench in bench_relation bench_solver bench_model bench_serialization bench_graph \
    bench_projecttree; do
    echo "# $bench"
    "build/bench/$bench"
done
