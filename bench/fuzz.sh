#!/usr/bin/env bash
# Builds the fuzz targets with clang (every library with coverage, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for a while; a crash leaves its input in the run folder.
# Usage: bench/fuzz.sh [seconds per target, default 600] [target ...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(KeyLayoutFuzz DeviceReplyFuzz ProfileImportFuzz SimControlFuzz XmlStoreFuzz)
command -v clang++ >/dev/null || { echo "bench/fuzz.sh needs clang: sudo apt-get install clang" >&2; exit 1; }
build="$top/build-fuzz"

export CCACHE_BASEDIR="$top"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVORLAN_SANITIZE=ON -DVORLAN_TESTS=OFF \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -DCMAKE_C_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

# Seeds: the built-in layouts for the layout loader, the simulator's usage lines for its parser.
runs="$build/fuzz-runs"
mkdir -p "$runs"
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for target in "${targets[@]}"; do
    corpus="$runs/$target/corpus"
    mkdir -p "$corpus"
    case $target in
    KeyLayoutFuzz) cp -n "$top"/resources/images/configDir/KeyInfo_*.config "$corpus"/ ;;
    SimControlFuzz) printf 'plug Aster104\nlist\ninject 1 01 02 03\nstatus 1 1 0 1 80 1 0\nunplug 1\n' \
        >"$corpus/seed" ;;
    esac
    echo "== $target, $seconds s"
    (cd "$runs/$target" && "$build/bin/$target" -max_total_time="$seconds" -print_final_stats=1 corpus) \
        >"$runs/$target/log" 2>&1 || status=1
    grep -E '^(stat::number_of_executed_units|Done|==[0-9]+==ERROR|SUMMARY)' "$runs/$target/log" || true
done
exit $status
