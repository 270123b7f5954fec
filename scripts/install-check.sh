#!/usr/bin/env bash
# Installs a build into a temporary root with prefix /usr, checks the installed files, validates the
# desktop entry and the metainfo, starts the installed program on the current X display with a
# simulated keyboard and checks that it loads its translation and pictures from its installed place,
# then builds the Debian package and checks that it holds the same files.
#   scripts/install-check.sh <build folder>     (needs DISPLAY; test.sh runs it under Xvfb)
# Leaves the screenshot and the program's log in <build folder>/install-check/.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: install-check.sh <build folder>}" && pwd)
if [[ -z "${DISPLAY:-}" ]]; then
    echo "install-check.sh: no DISPLAY" >&2
    exit 1
fi
out="$build/install-check"
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d "${TMPDIR:-/tmp}/install-check.XXXXXX")
sim_pid=""
app_pid=""
# The program runs under strace, which ends when the program does.
stop_program() {
    if [[ -n "$app_pid" ]]; then
        pkill -TERM -P "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
        app_pid=""
    fi
}
cleanup() {
    stop_program
    [[ -n "$sim_pid" ]] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() {
    echo "install-check: FAIL: $*" >&2
    failures=$((failures + 1))
}

root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >"$out/install.log"
(cd "$root" && find . \( -type f -o -type l \) -printf '%P\n' | sort) >"$out/installed-files.txt"

app_id=org.osterlin.OsterlinConfig
appdir="$root/usr/lib/osterlin"
expected=(
    usr/bin/osterlin-config
    usr/lib/osterlin/OsterlinConfig
    usr/lib/udev/rules.d/70-vorlan-keyboards.rules
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    "usr/share/icons/hicolor/48x48/apps/$app_id.png"
    "usr/share/icons/hicolor/256x256/apps/$app_id.png"
)
for lang in Zh_SM Zh_TR English Japanese Korean Russian Arabic Spanish Portugal German Italian Polish French \
    Ukrainian Czech; do
    expected+=("usr/lib/osterlin/translation/$lang.qm")
done
if [[ -e "$build/bin/libjl_firmware_upgrade_x86.so" ]]; then
    expected+=(usr/lib/osterlin/libjl_firmware_upgrade_x86.so)
fi
for file in "${expected[@]}"; do
    grep -qxF "$file" "$out/installed-files.txt" || fail "not installed: /$file"
done
ls "$appdir"/images/hidImages/Keyboard_*.png >/dev/null 2>&1 || fail "no keyboard pictures installed"
[[ -x "$root/usr/bin/osterlin-config" ]] || fail "the launcher is not executable"

desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop entry does not validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >"$out/appstream.log" 2>&1 ||
    { cat "$out/appstream.log" >&2; fail "metainfo does not validate"; }
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$app_id.desktop")
[[ "${exec_line%% *}" == osterlin-config ]] || fail "the desktop entry starts '$exec_line', not the launcher"

# The installed program, started by its launcher as the desktop entry does, in a private home, in
# Simplified Chinese, with one simulated keyboard on a cable.
home="$work/home"
mkdir -p "$home" "$work/runtime" "$work/sim"
chmod 700 "$work/runtime"
"$build/bin/kbdsim" --dir "$work/sim" --plug Aster104:INST0000000000000000000000000001 >"$out/kbdsim.log" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do
    [[ -S "$work/sim/control.sock" ]] && break
    sleep 0.1
done
env -i PATH="$root/usr/bin:/usr/bin:/bin" DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" HOME="$home" XDG_RUNTIME_DIR="$work/runtime" \
    XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" XDG_CACHE_HOME="$home/.cache" \
    LANG=zh_CN.UTF-8 VORLAN_SIM_DIR="$work/sim" \
    strace -f -qq -e trace=openat -e signal=none -o "$work/opened.txt" osterlin-config >"$out/program.out" 2>&1 &
app_pid=$!

picture_opened() {
    grep -q "\"$appdir/images/hidImages/Keyboard_Aster104[^\"]*\.png\", O_RDONLY.*= [0-9]" "$work/opened.txt" 2>/dev/null
}
for _ in $(seq 300); do
    picture_opened && break
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
sleep 2
import -window root "$out/installed-program.png" || fail "no screenshot"
grep -q "\"$appdir/translation/Zh_SM.qm\", O_RDONLY.*= [0-9]" "$work/opened.txt" ||
    fail "the program did not load its translation from $appdir/translation"
picture_opened || fail "the program did not load the keyboard picture from $appdir/images"
kill -0 "$app_pid" 2>/dev/null || fail "the installed program ended early"
# The window manager lists the program's window among its clients (the program is the only one).
xprop -root _NET_CLIENT_LIST | grep -q '0x' || fail "the installed program shows no window"
log=$(find "$home/.local/share/OsterlinConfig/logDir" -name '*.log' 2>/dev/null | head -n 1)
if [[ -n "$log" ]]; then
    cp "$log" "$out/program.log"
    grep -q "3.Init Widgets" "$log" || fail "the program's log does not show its window being built"
else
    fail "the installed program wrote no log"
fi
grep -F "$appdir" "$work/opened.txt" | grep -v ENOENT | sed 's/^[0-9]* *//' >"$out/opened-from-install.txt" || true
stop_program

# The package holds what the install gave.
(cd "$build" && cpack -G DEB >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls -t "$build"/osterlin-config_*.deb 2>/dev/null | head -n 1)
if [[ -n "$deb" ]]; then
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >"$out/package-files.txt"
    diff -u "$out/installed-files.txt" "$out/package-files.txt" || fail "the package's files differ from the install"
    dpkg-deb -f "$deb" Depends >"$out/package-depends.txt"
    grep -q libqt5widgets5 "$out/package-depends.txt" || fail "the package's dependencies miss the Qt libraries"
else
    fail "no package was built"
fi

if [[ $failures -ne 0 ]]; then
    echo "install-check: $failures failure(s); see $out" >&2
    exit 1
fi
echo "install-check: installed files, validators, installed program and package are fine ($out)"
