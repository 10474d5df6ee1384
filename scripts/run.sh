#!/bin/sh
# Installs what is missing, builds, and starts a program (dayglass unless
# "discgate" is given). Without a display it runs on a virtual one and saves a
# screenshot instead.
set -eu
cd "$(dirname "$0")/.."
program="${1:-dayglass}"
sh scripts/build.sh >/dev/null

# discgate shows the menu of the sample medium.
set -- "build/bin/$program"
[ "$program" = discgate ] && set -- "$@" examples/medium

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$@"
fi

screenshot="$program-screenshot.png"
. scripts/virtual-display.sh
start_virtual_display
trap 'kill "$virtual_display" 2>/dev/null || true' EXIT
"$@" &
app=$!
sleep 3
import -window root "$screenshot"
kill "$app" 2>/dev/null || true
echo "No display: $program ran on a virtual display; its screenshot is $screenshot"
