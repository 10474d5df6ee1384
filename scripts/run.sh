#!/bin/sh
# Installs what building and running needs and is missing, builds the two
# programs (no tests) into build-release/, and starts one of them: dayglass
# unless "discgate" is given. Without a display it runs on a virtual one and
# saves a screenshot instead. Each step says what it does as it goes.
set -eu
cd "$(dirname "$0")/.."
program="${1:-dayglass}"
case "$program" in
dayglass | discgate) ;;
*)
    echo "usage: sh scripts/run.sh [dayglass|discgate]" >&2
    exit 2
    ;;
esac

# Only a machine without a display needs the virtual one and the screenshot
# tool; only a Wayland desktop without X11 needs Qt's Wayland plugin.
if [ -n "${DISPLAY:-}" ]; then
    display_packages=""
elif [ -n "${WAYLAND_DISPLAY:-}" ]; then
    display_packages="qt6-wayland"
else
    display_packages="xvfb imagemagick"
fi
echo "== Checking the Debian packages that building and running need"
# shellcheck disable=SC2086
sh scripts/install-deps.sh $display_packages

echo "== Building dayglass and discgate into build-release/"
cmake --workflow --preset release

# discgate shows the menu of the sample medium.
set -- "build-release/bin/$program"
[ "$program" = discgate ] && set -- "$@" examples/medium

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    echo "== Starting $*"
    exec "$@"
fi

screenshot="$program-screenshot.png"
echo "== No display: starting $* on a virtual display for three seconds"
. scripts/common.sh
start_virtual_display
trap 'kill "$virtual_display" 2>/dev/null || true' EXIT
"$@" &
app=$!
sleep 3
import -window root "$screenshot"
kill "$app" 2>/dev/null || true
echo "$program ran on a virtual display; its screenshot is $screenshot"
