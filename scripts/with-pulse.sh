#!/usr/bin/env bash
# Runs a command against a private PulseAudio server with a null sink, then stops the server.
set -u
rt=$(mktemp -d "${TMPDIR:-/tmp}/vorlan-pulse.XXXXXX")
chmod 700 "$rt"
export XDG_RUNTIME_DIR="$rt" PULSE_RUNTIME_PATH="$rt/pulse" HOME="$rt"
pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit --system=false \
    -n --load="module-null-sink sink_name=vorlan_null" --load="module-native-protocol-unix" \
    --log-target=stderr >/dev/null 2>&1
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink vorlan_null >/dev/null 2>&1
"$@"
rc=$?
pulseaudio --kill >/dev/null 2>&1
rm -rf "$rt"
exit $rc
