#!/usr/bin/env bash
# Runs a command on the current X display under the openbox window manager, as users have one:
# starts openbox, waits until it manages the screen, runs the command and stops openbox again.
set -euo pipefail
if [[ -z "${DISPLAY:-}" ]]; then
    echo "with-openbox.sh: no DISPLAY" >&2
    exit 1
fi
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
stop_wm() {
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
}
trap stop_wm EXIT
for _ in $(seq 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        break
    fi
    if ! kill -0 "$wm_pid" 2>/dev/null; then
        echo "with-openbox.sh: openbox did not start" >&2
        exit 1
    fi
    sleep 0.1
done
status=0
"$@" || status=$?
exit $status
