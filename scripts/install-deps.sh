#!/bin/sh
# Installs, from Debian 12 packages, everything that building, running and
# testing both programs needs. Safe to run again: apt-get skips what is there.
set -eu

PACKAGES="
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n qt6-image-formats-plugins
    libgtest-dev libgmock-dev
    fonts-ipafont-gothic
    xvfb xauth xdotool x11-utils imagemagick faketime openbox
    weston xwayland qt6-wayland
    desktop-file-utils appstream dbus at-spi2-core python3-pyatspi
    libglib2.0-bin shared-mime-info python3-gi
"
# Packages that only one script needs (clang for the fuzz targets) are named
# by that script as arguments.
PACKAGES="$PACKAGES $*"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

if [ -n "$missing" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
fi
