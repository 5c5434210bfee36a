#!/usr/bin/env bash
# Installs what is missing, builds (Release) and runs every benchmark; each prints `name: value`
# lines. Ratios are medians of interleaved pairs (A B A B ...) with their spread (`_min`, `_max`),
# since this machine is shared. What the benchmarks write to stderr (the loader's diagnostics for
# every list value of the generated model) goes to build/bench/stderr.log.
set -euo pipefail
cd "$(dirname "$0")/.."
# graphviz: bench_graph times `dot` on the graph it draws; nothing else needs it.
scripts/setup.sh graphviz
scripts/build.sh Release
export QT_HASH_SEED=0
: > build/bench/stderr.log
# The interface's benchmarks draw offscreen.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
for bench in bench_relation bench_solver bench_model bench_serialization bench_graph \
             bench_runaway bench_workspace bench_mainwindow bench_projecttree bench_classtest \
             bench_relationstree bench_parameterpage bench_program; do
    echo "# $bench"
    "build/bench/$bench" 2>>build/bench/stderr.log
done
