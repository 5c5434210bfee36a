#!/usr/bin/env bash
# Builds the model core's tests (the tst_* programs under tests/core) with g++ under
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs them. Any sanitizer
# report fails the test that produced it, and so the script. Neither the desktop program nor the
# benchmarks are built.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build-asan
jobs="$(nproc)"
sanitizers="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
# Ninja builds several named targets at once; the Makefile generator builds them one by one.
generator=()
if command -v ninja >/dev/null 2>&1 && ! grep -qs '^CMAKE_GENERATOR:INTERNAL=Unix Makefiles' "$build/CMakeCache.txt"; then
    generator=(-G Ninja)
fi
# -O1 keeps the instrumented tests quick on a small CI machine; -g keeps the reports readable.
cmake -S . -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_FLAGS="$sanitizers -O1" \
      -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
      -DBUILD_IDE=OFF -DBUILD_BENCH=OFF

mapfile -t tests < <(find tests/core -name 'tst_*.cpp' -exec basename {} .cpp \; | sort)
if [ "${#tests[@]}" -eq 0 ]; then
    echo "sanitize: no core tests found" >&2
    exit 1
fi
if grep -q 'BUILD_IDE' CMakeLists.txt && grep -q 'BUILD_BENCH' CMakeLists.txt; then
    # Without the desktop program and the benchmarks everything left is the core and its tests.
    cmake --build "$build" --parallel "$jobs"
else
    cmake --build "$build" --parallel "$jobs" --target "${tests[@]}"
fi

# Qt Script keeps two small allocations of its own for the life of the process; the offscreen
# platform of the interface tests keeps its screen and cursor. The latter is matched by the call
# that makes the platform, so leak stacks are unwound in full (fast_unwind_on_malloc=0).
cat > "$build/lsan.supp" <<'SUPP'
leak:libQt5Script.so
leak:QGuiApplicationPrivate::createPlatformIntegration
SUPP
pattern="^($(IFS='|'; echo "${tests[*]}"))\$"
cd "$build"
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
LSAN_OPTIONS="suppressions=$PWD/lsan.supp" \
QT_HASH_SEED=0 QT_QPA_PLATFORM=offscreen \
    ctest -R "$pattern" --output-on-failure --parallel "$jobs"
