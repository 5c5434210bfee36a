#!/bin/sh
# Runs the walkthrough test (the program given) once more on a real X server: xvfb-run starts one,
# the X platform draws on it. Exits 77, which CTest counts as skipped, where xvfb-run is missing
# (scripts/setup.sh installs it) and under the sanitizer pass, which runs the walk offscreen.
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "xvfb-run is not installed: the walk on the X server is skipped"
    exit 77
fi
if [ -n "${ASAN_OPTIONS:-}" ]; then
    echo "the sanitizer pass runs the walk offscreen only: the walk on the X server is skipped"
    exit 77
fi
QT_QPA_PLATFORM=xcb exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
