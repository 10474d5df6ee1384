#!/bin/sh
# Installs, from Debian 12 packages, what building and running both programs
# needs, and with --tests what testing them needs too. Safe to run again: only
# what is missing is installed, and it says which packages those are.
# Usage: install-deps.sh [--tests] [PACKAGE...]
set -eu

PACKAGES="
    build-essential cmake ninja-build pkg-config libglib2.0-dev libical-dev libicu-dev
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n qt6-image-formats-plugins
    qt6-l10n-tools qt6-tools-dev fonts-ipafont-gothic xdg-utils
"
# Only the tests need these: a build with tests, virtual displays and desktop
# sessions, and the tools the tests check the desktop files with.
TEST_PACKAGES="
    libgtest-dev libgmock-dev libjpeg-dev lld devscripts
    xvfb xauth xdotool x11-utils imagemagick faketime openbox
    weston xwayland qt6-wayland
    desktop-file-utils appstream dbus at-spi2-core python3-pyatspi
    libglib2.0-bin shared-mime-info python3-gi
    ibus ibus-mozc python3-icalendar
    calcurse khal evolution-data-server gir1.2-ecal-2.0
"
# Packages that only one script needs (clang for the fuzz targets) are named by
# that script as arguments.
if [ "${1:-}" = --tests ]; then
    PACKAGES="$PACKAGES $TEST_PACKAGES"
    shift
fi
PACKAGES="$PACKAGES $*"

# One query of the package database for all of them, as builds run this often.
# shellcheck disable=SC2086
missing=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' $PACKAGES 2>&1 | awk '!/^ii / {printf " %s", $NF}')

if [ -z "$missing" ]; then
    echo "All the Debian packages needed are installed."
else
    echo "Installing the missing Debian packages:$missing"
    export DEBIAN_FRONTEND=noninteractive
    # Without -qq apt tells each download and each package it sets up, so a
    # long install shows that it moves on.
    apt-get update
    # shellcheck disable=SC2086
    apt-get install -y --no-install-recommends $missing
fi
