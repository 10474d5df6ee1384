#!/bin/sh
# Installs, from Debian 12 packages, everything that building, running and
# testing both programs needs. Safe to run again: only what is missing is
# installed.
set -eu

PACKAGES="
    build-essential cmake ninja-build pkg-config libjpeg-dev
    qt6-base-dev qt6-qpa-plugins qt6-translations-l10n qt6-image-formats-plugins
    libgtest-dev libgmock-dev
    fonts-ipafont-gothic
    xvfb xauth xdotool x11-utils imagemagick faketime openbox
    weston xwayland qt6-wayland
    desktop-file-utils appstream dbus at-spi2-core python3-pyatspi
    libglib2.0-bin shared-mime-info python3-gi
"
# With --check it installs nothing and only says whether anything is missing.
# Packages that only one script needs (clang for the fuzz targets) are named by
# that script as arguments.
check=false
[ "${1:-}" = --check ] && check=true && shift
PACKAGES="$PACKAGES $*"

# One query of the package database for all of them, as builds run this often.
# shellcheck disable=SC2086
missing=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' $PACKAGES 2>&1 | awk '!/^ii / {printf " %s", $NF}')

if $check; then
    [ -z "$missing" ] || echo "Missing packages:$missing"
    [ -z "$missing" ]
elif [ -n "$missing" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
fi
