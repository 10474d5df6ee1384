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
trap 'kill ${window_manager:-} "$virtual_display" 2>/dev/null || true' EXIT
start_window_manager
QT_QPA_PLATFORM=xcb "$@"
