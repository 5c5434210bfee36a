#!/usr/bin/env bash
# Builds every test (the model core's and the interface's) with g++ under AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ and runs each test that CTest knows, the interface's on
# the offscreen platform. Any sanitizer report fails the test that produced it, and so the script.
# The benchmarks are not built. JOBS sets the parallel jobs (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build-asan
jobs="${JOBS:-$(nproc)}"
sanitizers="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
# Ninja builds several targets at once; the Makefile generator builds them one by one.
generator=()
if command -v ninja >/dev/null 2>&1 && ! grep -qs '^CMAKE_GENERATOR:INTERNAL=Unix Makefiles' "$build/CMakeCache.txt"; then
    generator=(-G Ninja)
fi
# Leaks that the toolkit keeps for the life of the process, not ours; each entry names where the
# toolkit makes the allocation.
mkdir -p "$build"
cat > "$build/lsan.supp" <<'SUPP'
# Qt Script: two small allocations of its engine's global data.
leak:libQt5Script.so
# The platform plugin set up when the application starts: the offscreen platform never frees its
# screen and cursor.
leak:QGuiApplicationPrivate::createPlatformIntegration
SUPP
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/$build/lsan.supp"
export QT_HASH_SEED=0 QT_QPA_PLATFORM=offscreen

# -O1 keeps the instrumented tests quick on a small CI machine; -g keeps the reports readable.
cmake -S . -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Debug \
      -DCMAKE_CXX_FLAGS="$sanitizers -O1" \
      -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" \
      -DBUILD_BENCH=OFF
cmake --build "$build" --parallel "$jobs"

cd "$build"
mapfile -t tests < <(ctest -N | sed -n 's/^ *Test *#[0-9]*: //p')
mapfile -t interface < <(ctest -N -L interface | sed -n 's/^ *Test *#[0-9]*: //p')
if [ "${#tests[@]}" -eq 0 ] || [ "${#interface[@]}" -eq 0 ]; then
    echo "sanitize: CTest lists no tests, or none of the interface's" >&2
    exit 1
fi
echo "sanitize: ${#tests[@]} tests: ${tests[*]}"
echo "sanitize: of them the interface's, on the offscreen platform: ${interface[*]}"
# The build check (label build) compiles and runs nothing instrumented; the plain test run has it.
ctest -LE "interface|build" --output-on-failure --parallel "$jobs"
# The toolkit's libraries keep no frame pointers: only the slow unwinder sees through them to the
# frame that the suppression above names.
LSAN_OPTIONS="$LSAN_OPTIONS:fast_unwind_on_malloc=0" ctest -L interface --output-on-failure --parallel "$jobs"
