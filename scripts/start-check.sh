#!/bin/sh
# Starts both programs of a build once, as a user would, on a virtual desktop
# and fails unless each shows its window within 20 seconds: dayglass its main
# window (from a copy in an empty folder, so that its files go there) and
# discgate the sample medium's menu.
# Usage: start-check.sh BINDIR (run through with-desktop.sh)
set -eu
bindir=$(cd "$1" && pwd)
medium=$(cd "$(dirname "$0")/../examples/medium" && pwd)
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$bindir/dayglass" "$folder/"

shows_window() {
    name=$1
    shift
    "$@" &
    pid=$!
    if timeout 20 xdotool search --sync --onlyvisible --pid "$pid" >/dev/null; then
        echo "$name shows its window"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    else
        echo "$name showed no window within 20 seconds" >&2
        kill "$pid" 2>/dev/null || true
        exit 1
    fi
}
shows_window dayglass "$folder/dayglass"
shows_window discgate "$bindir/discgate" "$medium"
