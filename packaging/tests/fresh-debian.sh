#!/bin/sh
# Installs the Debian package on a fresh, minimal Debian 12 made with
# debootstrap and checks it there as a user would meet it: the install brings
# every library that the programs and Qt's plugins load, both menu entries and
# icons are in place, discgate handles media with an Autorun.inf, both
# programs start from their menu entries and show their windows, dayglass
# keeps its files in ~/.config/dayglass, and every control reads through the
# accessibility bus, discgate's on a medium. Stops at the first check that
# fails. Needs root and Debian's package mirror, and installs debootstrap
# where it is missing; takes a few minutes. Not part of the test suite: where
# it cannot run (not root) it says so and exits 77.
# Usage: fresh-debian.sh PACKAGE.deb [MIRROR]
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/../../scripts/common.sh"
[ "$(id -u)" -eq 0 ] || skip "making and entering a Debian system needs root"
package="$(realpath "$1")"
mirror="${2:-http://deb.debian.org/debian}"
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

if ! command -v debootstrap >/dev/null; then
    echo "installing debootstrap, which makes the system"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends debootstrap
fi
echo "making a minimal Debian 12 in $root (a few minutes)"
debootstrap --variant=minbase bookworm "$root" "$mirror" >/dev/null
for folder in proc sys dev dev/pts; do mount --bind "/$folder" "$root/$folder"; done
cp /etc/resolv.conf "$root/etc/"
cp "$package" "$root/tmp/"
in_root apt-get update -qq 2>/dev/null
started=$(date +%s)
in_root apt-get install -y -qq "/tmp/$(basename "$package")" >/dev/null
echo "package installed with its dependencies in $(($(date +%s) - started)) s"

# Before anything else is installed, which could bring a library that the
# package forgot: every library of both programs and of the plugins that Qt
# loads for them (X11, the images of the launcher) is there.
# debootstrap makes a system of this machine's architecture.
plugins="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/qt6/plugins"
unresolved="$(in_root sh -c "ldd /usr/bin/dayglass /usr/bin/discgate $plugins/platforms/*.so \
    $plugins/xcbglintegrations/*.so $plugins/imageformats/*.so" | grep 'not found' || true)"
[ -z "$unresolved" ] || { echo "libraries missing after the install:"; echo "$unresolved"; exit 1; }
echo "every library of both programs and of Qt's plugins is installed"

for program in dayglass discgate; do
    test -f "$root/usr/share/applications/org.dayglass.$program.desktop"
    test -f "$root/usr/share/icons/hicolor/48x48/apps/$program.png"
    test -f "$root/usr/share/icons/hicolor/scalable/apps/$program.svg"
done
echo "both menu entries and their icons are installed"
test -f "$root/usr/share/solid/actions/org.dayglass.discgate.desktop"
echo "Plasma's device notifier offers discgate"

# What the checks themselves need, installed only after the package.
in_root apt-get install -y -qq xvfb xauth x11-utils python3-pyatspi libglib2.0-bin >/dev/null
in_root gio mime x-content/win32-software | grep -qF org.dayglass.discgate.desktop
echo "a medium with an Autorun.inf opens with discgate"
in_root useradd -m tester
mkdir -p "$root/tmp/checks/packaging" "$root/tmp/checks/scripts"
cp -r "$here" "$root/tmp/checks/packaging/tests"
cp "$here/../../scripts/common.sh" "$root/tmp/checks/scripts/"
cp -r "$here/../../examples/medium" "$root/tmp/checks/medium"
chmod -R a+rX "$root/tmp/checks"

# Each program started from its menu entry, as the desktop starts it, shows
# its window: dayglass its main window, discgate (with no medium mounted) the
# folder dialog in which the user picks one.
windows="$(as_user 'xvfb-run -a sh -c "
    for program in dayglass discgate; do
        gio launch /usr/share/applications/org.dayglass.\$program.desktop
    done
    sleep 5
    xwininfo -root -tree" 2>/dev/null')"
for program in dayglass discgate; do
    echo "$windows" | grep -q "(\"$program\" \"$program\")" ||
        { echo "$program shows no window when started from its menu entry"; exit 1; }
done
test -f "$root/home/tester/.config/dayglass/Data.ini"
echo "both programs start from their menu entries; dayglass keeps its files in ~/.config/dayglass"
report="$(as_user 'sh /tmp/checks/packaging/tests/atspi-check.sh /usr/bin /tmp/checks/medium' 2>&1)" ||
    { echo "$report"; exit 1; }
echo "every control of both programs reads through AT-SPI, discgate's on the sample medium"
