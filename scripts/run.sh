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
display=":97"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" "$@" &
app=$!
sleep 3
DISPLAY="$display" import -window root "$screenshot"
kill "$app" 2>/dev/null || true
echo "No display: $program ran on a virtual display; its screenshot is $screenshot"
