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
reporter_pid=""
sim_tmp_dir=""
stop_simulator() {
    if [[ -n "$reporter_pid" ]]; then
        kill "$reporter_pid" 2>/dev/null || true
        wait "$reporter_pid" 2>/dev/null || true
    fi
    if [[ -n "$sim_pid" ]]; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
    fi
    if [[ -n "$sim_tmp_dir" ]]; then
        rm -rf "$sim_tmp_dir"
    fi
}
trap stop_simulator EXIT
if [[ -z "$(env -u VORLAN_SIM_DIR "$build/bin/hidprobe" --list 2>/dev/null)" ]]; then
    if [[ -z "${VORLAN_SIM_DIR:-}" ]]; then
        if [[ -n "${XDG_RUNTIME_DIR:-}" && -d "$XDG_RUNTIME_DIR" ]]; then
            VORLAN_SIM_DIR="$XDG_RUNTIME_DIR/vorlan-sim-$(id -u)"
        else
            # No runtime folder of the user's own: a fresh private folder, never a guessable name.
            VORLAN_SIM_DIR=$(mktemp -d "${TMPDIR:-/tmp}/vorlan-sim.XXXXXX")
            sim_tmp_dir=$VORLAN_SIM_DIR
        fi
    fi
    export VORLAN_SIM_DIR
    echo "No supported keyboard found: simulating a cable keyboard, a magnetic keyboard and a receiver keyboard in $VORLAN_SIM_DIR" >&2
    # One keyboard on a cable, one with magnetic switches and one behind its 2.4 GHz receiver.
    "$build/bin/kbdsim" --dir "$VORLAN_SIM_DIR" --plug Aster104:DEMO0000000000000000000000000001 \
        --plug Quartz68HE:DEMO0000000000000000000000000002 \
        --plug Breeze84W:DEMO0000000000000000000000000003:receiver &
    sim_pid=$!
    for _ in $(seq 50); do
        [[ -S "$VORLAN_SIM_DIR/control.sock" ]] && break
        sleep 0.1
    done
    # A keyboard behind a receiver reports its battery now and then; its first report tells the
    # program that the receiver reaches it. Every receiver keyboard the simulator lists reports,
    # under the number it has now (a keyboard plugged again gets a new one).
    (
        while kill -0 "$sim_pid" 2>/dev/null; do
            sleep 3
            listed=$("$build/bin/kbdsim" ctl --dir "$VORLAN_SIM_DIR" list 2>/dev/null || true)
            for entry in $listed; do
                [[ "$entry" == *:receiver ]] || continue
                "$build/bin/kbdsim" ctl --dir "$VORLAN_SIM_DIR" status "${entry%%:*}" 0 0 85 1 0 0 \
                    >/dev/null 2>&1 || true
            done
        done
    ) &
    reporter_pid=$!
fi
status=0
"$build/bin/OsterlinConfig" "$@" || status=$?
exit $status
