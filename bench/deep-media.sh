#!/bin/sh
# Seconds from the start of discgate until its menu is on the screen, on the
# two media of bench/deep-media.py whose Autorun.inf names files hundreds of
# folders deep, on a virtual display with a window manager.
# Usage: bench/deep-media.sh DISCGATE
set -eu
cd "$(dirname "$0")/.."
discgate="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
bench/deep-media.py "$work"
for medium in plain skinned; do
    sh scripts/with-desktop.sh sh -c '
        start=$(date +%s%N)
        "$1" "$2" >/dev/null 2>&1 &
        xdotool search --sync --onlyvisible --pid $! >/dev/null
        end=$(date +%s%N)
        kill $!
        echo "$3: $(( (end - start) / 1000000 )) ms"' sh "$discgate" "$work/$medium" "$medium"
done
