#!/usr/bin/env bash
# Starts the program, kills it with SIGKILL once it runs, and starts it again, many times over:
# counts the starts that were refused as "already running" or never came up.
# Usage: bench/instance-cycles.sh <program> [cycles]   (offscreen; private home and XDG folders)
set -uo pipefail
program=$(readlink -f "$1")
cycles=${2:-200}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/home" "$tmp/data" "$tmp/config" "$tmp/runtime" "$tmp/cache"
chmod 700 "$tmp/runtime"
export HOME="$tmp/home" XDG_DATA_HOME="$tmp/data" XDG_CONFIG_HOME="$tmp/config" \
       XDG_RUNTIME_DIR="$tmp/runtime" XDG_CACHE_HOME="$tmp/cache" \
       QT_QPA_PLATFORM=offscreen VORLAN_NO_CRASH_NOTICE=1 ASAN_OPTIONS=detect_leaks=0
unset VORLAN_SIM_DIR
name=$(basename "$program")
socket="$tmp/runtime/$name"

ran=0 refused=0 silent=0
for ((cycle = 1; cycle <= cycles; ++cycle)); do
    touch "$tmp/started"
    "$program" >/dev/null 2>&1 &
    pid=$!
    state=silent
    # Up: the instance's local server answers (a fresh socket file appears after the start).
    for _ in $(seq 300); do
        if ! kill -0 "$pid" 2>/dev/null; then
            state=refused
            break
        fi
        if [[ -S "$socket" && "$socket" -nt "$tmp/started" ]]; then
            state=ran
            break
        fi
        sleep 0.05
    done
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    case $state in
        ran) ran=$((ran + 1)) ;;
        refused) refused=$((refused + 1)) ;;
        *) silent=$((silent + 1)) ;;
    esac
done
left=$(find "$tmp/runtime" -mindepth 1 | wc -l)
echo "cycles: $cycles, ran: $ran, refused: $refused, never came up: $silent, files in the runtime folder: $left"
[[ $refused -eq 0 && $silent -eq 0 ]]
