#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/: clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# into build-fuzz/ and runs each one a bounded number of inputs on its seed corpus in
# tests/data/fuzz/. Exits non-zero on a finding; the input that caused it is kept as
# build-fuzz/findings/<target>-crash-* (or -leak-, -timeout-, -oom-). fuzz_model_bytes feeds raw
# file bytes to the model manager (encoding, the document guard, save and reload) and shares the
# model seeds, hostile files among them; fuzz_model_paths loads each input as the program does and
# through the DOM alone, and requires the same model or the same exception.
#   FUZZ_RUNS     inputs per target after the seeds (default 20000)
#   FUZZ_SECONDS  time limit per target in seconds (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
# The fuzz build alone needs clang and its sanitizer runtime.
scripts/setup.sh clang libclang-rt-14-dev

runs="${FUZZ_RUNS:-20000}"
seconds="${FUZZ_SECONDS:-60}"
# A fixed seed makes the test command's runs repeatable; give another to explore further.
seed="${FUZZ_SEED:-1}"
build=build-fuzz
compiler="$(command -v clang++ || command -v clang++-14)"
generator=()
if command -v ninja >/dev/null 2>&1 && ! grep -qs '^CMAKE_GENERATOR:INTERNAL=Unix Makefiles' "$build/CMakeCache.txt"; then
    generator=(-G Ninja)
fi
cmake -S fuzz -B "$build" "${generator[@]}" -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --parallel "$(nproc)"

dict_of() {
    case "$1" in
        fuzz_codecs) ;;
        fuzz_relation) echo "-dict=fuzz/relation.dict" ;;
        *) echo "-dict=fuzz/model.dict" ;;
    esac
}

seeds_of() {
    case "$1" in
        fuzz_codecs) echo tests/data/fuzz/codecs ;;
        fuzz_relation) echo tests/data/fuzz/relation ;;
        *) echo tests/data/fuzz/model ;;
    esac
}

export QT_HASH_SEED=0
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp"
mkdir -p "$build/findings"
failed=()
while read -r target; do
    [ -n "$target" ] || continue
    seeds="$(seeds_of "$target")"
    work="$build/corpus/$target"
    mkdir -p "$work"
    common=(-timeout=10 -rss_limit_mb=2048 -artifact_prefix="$build/findings/$target-" -print_final_stats=1)
    echo "fuzz: $target on $seeds"
    start=$(date +%s)
    # Every seed whole first (the deep and large ones included), then new inputs of moderate size.
    if "$build/$target" "${common[@]}" -runs=0 "$seeds" >"$build/$target-seeds.log" 2>&1 &&
       "$build/$target" "${common[@]}" $(dict_of "$target") -seed="$seed" -max_len=8192 -runs="$runs" -max_total_time="$seconds" \
           "$work" "$seeds" >"$build/$target.log" 2>&1; then
        echo "fuzz: $target clean, $(grep -h '^stat::number_of_executed_units' "$build/$target.log" | awk '{print $2}') inputs in $(( $(date +%s) - start )) s"
    else
        echo "fuzz: $target FOUND A PROBLEM (see $build/$target-seeds.log, $build/$target.log):" >&2
        grep -h -A12 -E '^==[0-9]+==ERROR|runtime error|fuzz invariant|ERROR: libFuzzer' \
            "$build/$target-seeds.log" "$build/$target.log" | head -40 >&2 || true
        failed+=("$target")
    fi
done < "$build/fuzz_targets.txt"

if [ "${#failed[@]}" -gt 0 ]; then
    echo "fuzz: findings in ${failed[*]}" >&2
    exit 1
fi
echo "fuzz: no findings"
