#!/usr/bin/env bash
# Builds the threaded parts with ThreadSanitizer and runs their tests: the SDK's I/O thread, the
# device link, hot-plug, the download and the firmware upgrade's workers. Any report fails the run.
# Usage: scripts/tsan.sh [build folder]   (default: build-tsan beside the sources)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$top/build-tsan"}

tests=(
    tst_vorlanhidsdk
    tst_mainhidinterface
    tst_DDeviceHidCmdSend
    tst_DDeviceKeyboardLink
    tst_DeviceLinkChain
    tst_DeviceNotifier
    tst_DeviceSdkStartup
    tst_simserver
    tst_DeviceRoster
    tst_DeviceHotPlug
    tst_OnboardDownload
    tst_OnboardDownloadSim
    tst_ReplyWait
    tst_HidFirmwareUpgrade
    tst_JlFirmwareUpgrade
    tst_FirmwareUpgradeDriver
    tst_DUpdateFirmwareDia
)

export CCACHE_BASEDIR="$top"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVORLAN_TSAN=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${tests[@]}" kbdsim jlfirmwareupgrade OsterlinConfig

logs="$build/tsan-logs"
rm -rf "$logs"
mkdir -p "$logs"
# halt_on_error=0 so one run lists every report; the reports go to files so a test that passes
# still counts its races.
export TSAN_OPTIONS="suppressions=$top/tests/tsan.supp:second_deadlock_stack=1:halt_on_error=0:log_path=$logs/tsan"
regex="^($(IFS='|'; echo "${tests[*]}"))\$"

cd "$build"
status=0
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=ignore -R "$regex" -LE 'x11|e2e' || status=1
xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure --no-tests=ignore -R "$regex" -L 'x11|e2e' \
    || status=1

reports=$(cat "$logs"/tsan.* 2>/dev/null | grep -c '^WARNING: ThreadSanitizer' || true)
echo "ThreadSanitizer reports: $reports"
if [ "$reports" -ne 0 ]; then
    grep -h -A12 '^WARNING: ThreadSanitizer' "$logs"/tsan.* | head -200
    status=1
fi
exit $status
