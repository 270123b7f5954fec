#!/usr/bin/env bash
# Installs what is missing, builds a Release build and starts the program.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
cd "$top"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display: set DISPLAY or WAYLAND_DISPLAY to start the program." >&2
    exit 1
fi
./scripts/install-deps.sh
build="$top/build-release"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVORLAN_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
exec "$build/bin/OsterlinConfig" "$@"
