#!/bin/sh
# Installs what is missing, builds, and starts a program (dayglass unless
# "discgate" is given). Without a display it runs on a virtual one and saves a
# screenshot instead.
set -eu
cd "$(dirname "$0")/.."
program="${1:-dayglass}"
sh scripts/build.sh >/dev/null

if [ "$program" = discgate ]; then
    # discgate reads the Autorun.inf beside it: run it from the sample medium.
    cp build/bin/discgate examples/medium/discgate
    executable=examples/medium/discgate
else
    executable=build/bin/dayglass
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$executable"
fi

screenshot="$program-screenshot.png"
display=":97"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" "$executable" &
app=$!
sleep 3
DISPLAY="$display" import -window root "$screenshot"
kill "$app" 2>/dev/null || true
echo "No display: $program ran on a virtual display; its screenshot is $screenshot"
