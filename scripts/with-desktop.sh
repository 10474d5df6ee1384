#!/bin/sh
# Runs a command on a virtual X display with a window manager (openbox), as a
# user's desktop runs the programs: windows are placed, decorated and given
# the focus by the manager, and input reaches them as real X events. Qt uses
# its X11 platform there. Exits 77 (skipped) when Xvfb or openbox is missing.
# Usage: with-desktop.sh COMMAND [ARGUMENT...]
set -eu
. "$(dirname "$0")/common.sh"
require_commands Xvfb openbox xdotool xprop
start_virtual_display
openbox --sm-disable >/dev/null 2>&1 &
manager=$!
trap 'kill "$manager" "$virtual_display" 2>/dev/null || true' EXIT
# The manager is ready when it has announced itself on the root window.
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
QT_QPA_PLATFORM=xcb "$@"
