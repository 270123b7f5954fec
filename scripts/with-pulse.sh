#!/usr/bin/env bash
# Runs a command against a private PulseAudio server whose default sink is a null sink, then stops
# the server. The command finds the server through PULSE_SERVER.
set -u
here=$(cd "$(dirname "$0")" && pwd)
rt=$(mktemp -d "${TMPDIR:-/tmp}/vorlan-pulse.XXXXXX")
chmod 700 "$rt"
pid=""
cleanup() {
    if [ -n "$pid" ]; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    rm -rf "$rt"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export XDG_RUNTIME_DIR="$rt" PULSE_RUNTIME_PATH="$rt/pulse" HOME="$rt"
XDG_RUNTIME_DIR="$rt" pulseaudio -n -F "$here/ci.pa" --exit-idle-time=-1 --daemonize=no --use-pid-file=no \
    --system=false --log-target=stderr 2>"$rt/pulseaudio.log" &
pid=$!
export PULSE_SERVER="unix:$rt/pulse/native"
ready=0
for _ in $(seq 50); do
    if pactl info >/dev/null 2>&1; then ready=1; break; fi
    sleep 0.1
done
if [ "$ready" != 1 ]; then
    echo "with-pulse: the private sound server did not answer within 5 s" >&2
    cat "$rt/pulseaudio.log" >&2
fi
"$@"
