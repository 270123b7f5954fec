#!/usr/bin/env bash
# Installs what is missing, builds a Debug build with sanitizers and runs every test, then builds
# what run.sh builds (Release) with its tests and runs the unit tests there: optimisation shows
# faults a Debug build hides.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
cd "$top"
./scripts/install-deps.sh

build="$top/build-test"
# Cache hits across checkouts in different folders.
export CCACHE_BASEDIR="$top"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVORLAN_SANITIZE=ON >/dev/null
# Layering: no library cycle, path-qualified includes, each layer includes only what is below it.
./scripts/check-structure.sh . "$build"
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$top/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

cd "$build"
status=0
# Unit and offscreen widget tests, side by side: each has its own home, folders and simulator.
QT_QPA_PLATFORM=offscreen ctest -j"$(nproc)" --output-on-failure --no-tests=ignore -LE 'x11|audio|e2e' || status=1
# Tests that need a real X display (hooks, synthetic keys, screen grabs) and whole-program runs,
# under a window manager as users have one; those labelled nowm once more on a bare X server.
xvfb-run -a -s "-screen 0 1920x1080x24" "$top/scripts/with-openbox.sh" \
    ctest --output-on-failure --no-tests=ignore -L 'x11|e2e' -LE audio || status=1
xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure --no-tests=ignore -L nowm || status=1
# Tests that need a sound server: a private PulseAudio with a null sink (and a display for those
# that run the program).
xvfb-run -a -s "-screen 0 1920x1080x24" "$top/scripts/with-openbox.sh" "$top/scripts/with-pulse.sh" \
    ctest --output-on-failure --no-tests=ignore -L audio || status=1

release="$top/build-release"
cmake -S "$top" -B "$release" -DCMAKE_BUILD_TYPE=Release -DVORLAN_TESTS=ON >/dev/null
cmake --build "$release" -j"$(nproc)"
cd "$release"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=ignore -L unit || status=1
# What `cmake --install` and the Debian package give: files, validators, the installed program.
xvfb-run -a -s "-screen 0 1920x1080x24" "$top/scripts/with-openbox.sh" \
    "$top/scripts/install-check.sh" "$release" || status=1
exit $status
