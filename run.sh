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

# Without a real supported keyboard, the simulator serves the demo models.
sim_pid=""
stop_simulator() {
    if [[ -n "$sim_pid" ]]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
}
trap stop_simulator EXIT
if [[ -z "$(env -u VORLAN_SIM_DIR "$build/bin/hidprobe" --list 2>/dev/null)" ]]; then
    export VORLAN_SIM_DIR="${VORLAN_SIM_DIR:-${XDG_RUNTIME_DIR:-/tmp}/vorlan-sim-$(id -u)}"
    echo "No supported keyboard found: simulating the demo models in $VORLAN_SIM_DIR" >&2
    "$build/bin/kbdsim" --dir "$VORLAN_SIM_DIR" --demo &
    sim_pid=$!
    for _ in $(seq 50); do
        [[ -S "$VORLAN_SIM_DIR/control.sock" ]] && break
        sleep 0.1
    done
fi
status=0
"$build/bin/OsterlinConfig" "$@" || status=$?
exit $status
