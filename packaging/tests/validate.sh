#!/bin/sh
# Runs the desktop's own validators on the installed menu entry and AppStream
# file: desktop-file-validate (desktop-file-utils) and appstreamcli
# (appstream), which checks the two together, with the icons, as a software
# centre reads them. Skipped (status 77) where either tool is missing.
# Usage: validate.sh BUILD_FOLDER
set -eu
. "$(dirname "$0")/../../scripts/common.sh"
require_commands desktop-file-validate appstreamcli
tree="$(mktemp -d)"
trap 'rm -rf "$tree"' EXIT
cmake --install "$1" --prefix "$tree/usr" >/dev/null
desktop-file-validate "$tree"/usr/share/applications/*.desktop
appstreamcli validate-tree --no-net "$tree"
