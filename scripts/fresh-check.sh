#!/usr/bin/env bash
# Tries the committed project on a plain Debian 12: makes a minimal root with debootstrap, clones the
# checkout into it, runs ./test.sh there as root (which installs every package it needs), installs
# the Debian package that test.sh built with apt-get and starts the program by its desktop entry's
# Exec line under Xvfb. Run it before landing a change to packages.txt or to what CMake looks for;
# it is too slow for every CI run (a cold build and every test).
#   sudo scripts/fresh-check.sh [root folder]      (DEBIAN_MIRROR overrides the mirror)
# Needs root, network access to a Debian mirror, and debootstrap (installed when missing).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
if [[ $(id -u) -ne 0 ]]; then
    echo "fresh-check.sh: run as root (debootstrap and chroot need it)" >&2
    exit 1
fi
root=${1:-$(mktemp -d /var/tmp/fresh-check.XXXXXX)}
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
started=$(date +%s)
stamp() { echo "fresh-check: $(($(date +%s) - started)) s: $*"; }

if ! command -v debootstrap >/dev/null 2>&1; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
fi
mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -l "${mounted[i]}" 2>/dev/null || true
    done
}
trap cleanup EXIT
bind() {
    mkdir -p "$root$2"
    mount "${@:3}" "$1" "$root$2"
    mounted+=("$root$2")
}

stamp "debootstrap --variant=minbase bookworm into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
    { tail -n 20 "$root.debootstrap.log" >&2; exit 1; }
cp /etc/resolv.conf "$root/etc/resolv.conf"
# No service starts inside the root.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
bind proc /proc -t proc
bind sysfs /sys -t sysfs
bind /dev /dev --rbind
bind tmpfs /tmp -t tmpfs

stamp "cloning the committed checkout"
git clone -q --no-checkout "$top" "$root/src/project"
git -C "$root/src/project" checkout -q "$(git -C "$top" rev-parse HEAD)"
in_root() {
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive bash -c "$1"
}

stamp "./test.sh"
status=0
in_root 'cd /src/project && ./test.sh' >"$root.test.log" 2>&1 || status=$?
stamp "./test.sh ended with $status (log: $root.test.log)"
if [[ $status -ne 0 ]]; then
    tail -n 40 "$root.test.log" >&2
    exit 1
fi

stamp "installing the package and starting the program from its desktop entry"
cat >"$root/src/start-installed.sh" <<'EOF_INNER'
#!/bin/sh
# Starts the installed program as the desktop does and checks that its window appears.
set -e
exec_line=$(sed -n 's/^Exec=//p' /usr/share/applications/org.osterlin.OsterlinConfig.desktop)
$exec_line &
for i in $(seq 30); do
    sleep 1
    if xwininfo -root -tree | grep -q '"OsterlinConfig"'; then
        echo "the installed program ($exec_line) shows its window"
        exit 0
    fi
done
echo "the installed program ($exec_line) shows no window" >&2
exit 1
EOF_INNER
chmod +x "$root/src/start-installed.sh"
in_root 'cd /src/project/build-release && apt-get install -y -qq ./osterlin-config_*.deb >/dev/null &&
    xvfb-run -a /src/start-installed.sh' >"$root.package.log" 2>&1 || status=$?
cat "$root.package.log"
if [[ $status -ne 0 ]]; then
    echo "fresh-check: the package does not install or start" >&2
    exit 1
fi
stamp "passed"
