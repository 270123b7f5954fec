#!/usr/bin/env bash
# Idle cost of the program with its window shown: CPU share of one core, wake-ups a second (context
# switches of all its threads, listed per thread name) and resident memory, with 0, 1 and 2 simulated
# keyboards. Several builds are measured in turn inside each run, so their figures are side by side.
# Run it on a display with a window manager (for example under xvfb-run and scripts/with-openbox.sh).
# Usage: bench/idle-cost.sh [-s settle-seconds] [-w window-seconds] [-r runs] [-k "0 1 2"] label=bin-folder...
set -uo pipefail
settle=10 window=60 runs=3 counts="0 1 2"
while getopts "s:w:r:k:" option; do
    case $option in
        s) settle=$OPTARG ;;
        w) window=$OPTARG ;;
        r) runs=$OPTARG ;;
        k) counts=$OPTARG ;;
        *) exit 2 ;;
    esac
done
shift $((OPTIND - 1))
if [[ $# -eq 0 || -z "${DISPLAY:-}" ]]; then
    echo "usage: DISPLAY=... $0 [-s settle] [-w window] [-r runs] [-k counts] label=bin-folder..." >&2
    exit 2
fi
models=(Aster104 Quartz68HE)
tick=$(getconf CLK_TCK)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
results="$tmp/results"

cpu_ticks() { awk '{ sub(/.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }
# "name switches" for every thread of the process.
thread_switches() {
    for task in /proc/"$1"/task/*; do
        name=$(tr ' ' '_' <"$task/comm")
        awk -v name="$name" '/ctxt_switches/ { n += $2 } END { print name, n }' "$task/status"
    done
}

measure() { # label bin-folder keyboards run
    local label=$1 bin=$2 keyboards=$3 run=$4 home="$tmp/$1-$3-$4"
    mkdir -p "$home"/{home,data,config,runtime,cache,sim}
    chmod 700 "$home/runtime"
    local plugs=()
    for ((i = 0; i < keyboards; ++i)); do
        plugs+=(--plug "${models[$i]}:IDLE000000000000000000000000000$i")
    done
    "$bin/kbdsim" --dir "$home/sim" "${plugs[@]}" >/dev/null 2>&1 &
    local sim=$!
    for _ in $(seq 50); do
        [[ -S "$home/sim/control.sock" ]] && break
        sleep 0.1
    done
    HOME="$home/home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" \
        XDG_CACHE_HOME="$home/cache" VORLAN_SIM_DIR="$home/sim" VORLAN_NO_CRASH_NOTICE=1 \
        "$bin/OsterlinConfig" >"$home/log" 2>&1 &
    local pid=$!
    sleep "$settle"
    local cpu0 cpu1
    cpu0=$(cpu_ticks "$pid")
    thread_switches "$pid" >"$home/switches0"
    sleep "$window"
    cpu1=$(cpu_ticks "$pid")
    thread_switches "$pid" >"$home/switches1"
    local rss pss
    rss=$(awk '/^Rss:/ { print $2 }' "/proc/$pid/smaps_rollup")
    pss=$(awk '/^Pss:/ { print $2 }' "/proc/$pid/smaps_rollup")
    cp "/proc/$pid/smaps" "$home/smaps" 2>/dev/null
    kill "$pid" "$sim" 2>/dev/null
    wait "$pid" "$sim" 2>/dev/null
    # Threads by name: switches during the window (threads started or ended inside it count as found).
    local wakeups per_thread
    per_thread=$(awk 'NR == FNR { before[$1] += $2; next } { after[$1] += $2 }
        END { for (n in after) printf "%s %d\n", n, after[n] - before[n] }' "$home/switches0" "$home/switches1" |
        sort -k2 -nr | awk -v w="$window" '$2 > 0 { printf "%s:%.1f ", $1, $2 / w }')
    wakeups=$(awk 'NR == FNR { b += $2; next } { a += $2 } END { print a - b }' "$home/switches0" "$home/switches1")
    awk -v l="$label" -v k="$keyboards" -v c0="$cpu0" -v c1="$cpu1" -v t="$tick" -v w="$window" -v s="$wakeups" \
        -v r="$rss" -v p="$pss" 'BEGIN { printf "%s %d %.3f %.1f %.1f %.1f\n", l, k, 100 * (c1 - c0) / t / w, s / w, r / 1024, p / 1024 }' \
        >>"$results"
    printf "run %d %-8s %d keyboard(s): %s\n" "$run" "$label" "$keyboards" "$(tail -1 "$results" | cut -d' ' -f3-)"
    printf "    wake-ups/s by thread: %s\n" "$per_thread"
    # Resident memory by mapping, largest first.
    awk '/^[0-9a-f]+-[0-9a-f]+ / { name = (NF >= 6 ? $6 : "[anonymous]") } /^Rss:/ { rss[name] += $2 }
        END { for (n in rss) printf "%d %s\n", rss[n], n }' "$home/smaps" | sort -nr | head -8 |
        awk '{ printf "    %7.1f MB %s\n", $1 / 1024, $2 }'
}

for ((run = 1; run <= runs; ++run)); do
    for keyboards in $counts; do
        for build in "$@"; do
            measure "${build%%=*}" "${build#*=}" "$keyboards" "$run"
        done
    done
done

echo "median (range) of $runs runs, ${settle} s settle, ${window} s window; columns: CPU % of a core, wake-ups/s, RSS MB, PSS MB"
for keyboards in $counts; do
    for build in "$@"; do
        label=${build%%=*}
        line="$label, $keyboards keyboard(s):"
        for column in 3 4 5 6; do
            values=$(awk -v l="$label" -v k="$keyboards" -v c="$column" '$1 == l && $2 == k { print $c }' "$results" | sort -g)
            count=$(wc -l <<<"$values")
            median=$(sed -n "$(((count + 1) / 2))p" <<<"$values")
            line="$line $median ($(head -1 <<<"$values")-$(tail -1 <<<"$values"))"
        done
        echo "$line"
    done
done
