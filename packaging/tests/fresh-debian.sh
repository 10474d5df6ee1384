#!/bin/sh
# Installs the Debian package on a fresh, minimal Debian 12 made with
# debootstrap and checks it there as a user would meet it: the install brings
# every dependency, both menu entries and icons are in place, discgate handles
# media with an Autorun.inf, dayglass keeps its files in ~/.config/dayglass,
# discgate opens a medium, and every control
# reads through the accessibility bus. Stops at the first check that fails. Needs root, debootstrap and Debian's
# package mirror; takes a few minutes. Not part of the test suite.
# Usage: fresh-debian.sh PACKAGE.deb [MIRROR]
set -eu
package="$(realpath "$1")"
mirror="${2:-http://deb.debian.org/debian}"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(mktemp -d /var/tmp/fresh-debian-XXXXXX)"
chmod 755 "$root"
# Ends what still runs inside the system (a bus or display of the checks),
# then takes the system apart without touching the machine's own folders.
cleanup() {
    status=$?
    for process in /proc/[0-9]*; do
        if [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ]; then
            kill "${process#/proc/}" 2>/dev/null || true
        fi
    done
    sleep 1
    for folder in dev/pts dev sys proc; do
        umount "$root/$folder" 2>/dev/null || umount -l "$root/$folder" 2>/dev/null || true
    done
    rm -rf --one-file-system "$root"
    exit "$status"
}
trap cleanup EXIT
in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive LC_ALL=C.UTF-8 "$@"; }
as_user() { in_root su - tester -c "$1"; }

debootstrap --variant=minbase bookworm "$root" "$mirror" >/dev/null
for folder in proc sys dev dev/pts; do mount --bind "/$folder" "$root/$folder"; done
cp /etc/resolv.conf "$root/etc/"
cp "$package" "$root/tmp/"
in_root apt-get update -qq 2>/dev/null
started=$(date +%s)
in_root apt-get install -y -qq "/tmp/$(basename "$package")" >/dev/null
echo "package installed with its dependencies in $(($(date +%s) - started)) s"

for program in dayglass discgate; do
    test -f "$root/usr/share/applications/org.dayglass.$program.desktop"
    test -f "$root/usr/share/icons/hicolor/48x48/apps/$program.png"
    test -f "$root/usr/share/icons/hicolor/scalable/apps/$program.svg"
done
echo "both menu entries and their icons are installed"
test -f "$root/usr/share/solid/actions/org.dayglass.discgate.desktop"
echo "Plasma's device notifier offers discgate"

# What the checks themselves need, installed only after the package.
in_root apt-get install -y -qq xvfb xauth python3-pyatspi libglib2.0-bin >/dev/null
in_root gio mime x-content/win32-software | grep -qF org.dayglass.discgate.desktop
echo "a medium with an Autorun.inf opens with discgate"
in_root useradd -m tester
mkdir -p "$root/tmp/checks/packaging" "$root/tmp/checks/scripts"
cp -r "$here" "$root/tmp/checks/packaging/tests"
cp "$here/../../scripts/virtual-display.sh" "$root/tmp/checks/scripts/"
cp -r "$here/../../examples/medium" "$root/tmp/checks/medium"
chmod -R a+rX "$root/tmp/checks"

as_user 'timeout 5 xvfb-run -a dayglass 2>/dev/null' || test $? -eq 124
test -f "$root/home/tester/.config/dayglass/Data.ini"
echo "dayglass ran from the menu's command and keeps its files in ~/.config/dayglass"
report="$(as_user 'sh /tmp/checks/packaging/tests/atspi-check.sh /usr/bin /tmp/checks/medium' 2>&1)" ||
    { echo "$report"; exit 1; }
echo "every control of both programs reads through AT-SPI, discgate's on the sample medium"
