#!/bin/sh
# Checks what a GNOME desktop decides when a medium with an Autorun.inf goes
# in, and when the user opens that file: the shared MIME database, asked
# through GIO as the file manager asks it, gives the medium the content type
# x-content/win32-software, and with the build installed, the file
# AUTORUN.INF the type application/x-autorun-inf, still a text, and
# discgate's menu entry is among the handlers of both types.
# Skipped (status 77) without gio (libglib2.0-bin), update-desktop-database
# (desktop-file-utils), python3-gi or the shared MIME database
# (shared-mime-info).
# Usage: mime-check.sh BUILD_FOLDER DISCGATE_APP_ID
set -eu
build="$1"
app_id="$2"
python=/usr/bin/python3
. "$(dirname "$0")/../../scripts/common.sh"
require_commands gio update-desktop-database update-mime-database
require_python_module gi python3-gi
[ -f /usr/share/mime/treemagic ] || skip "shared-mime-info is not installed"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0

# The file name in capitals, as ISO 9660 media often store it.
mkdir "$work/medium"
printf '[autorun]\r\nopen=discgate.exe\r\n' >"$work/medium/AUTORUN.INF"
types="$("$python" - "$work/medium" <<'PYTHON'
import sys
import gi
gi.require_version("Gio", "2.0")
from gi.repository import Gio
print(" ".join(Gio.content_type_guess_for_tree(Gio.File.new_for_path(sys.argv[1]))))
PYTHON
)"
echo "content types of the medium: $types"
case " $types " in
*" x-content/win32-software "*) ;;
*) echo "FAIL: a medium with AUTORUN.INF is not x-content/win32-software"; status=1 ;;
esac

# GIO reads the handlers from the cache that dpkg's trigger of
# desktop-file-utils builds, and takes only entries whose program is on PATH;
# the types from the database that the trigger of shared-mime-info builds.
# The user's own folders are left empty so that nothing of this machine's
# desktop counts.
cmake --install "$build" --prefix "$work/usr" >/dev/null
update-desktop-database "$work/usr/share/applications"
mkdir "$work/data" "$work/config"
installed() {
    PATH="$work/usr/bin:$PATH" XDG_DATA_DIRS="$work/usr/share:/usr/share" \
        XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" "$@"
}
installed update-mime-database "$work/usr/share/mime"
for type in x-content/win32-software application/x-autorun-inf; do
    handlers="$(installed gio mime "$type")"
    echo "$handlers"
    echo "$handlers" | grep -qF "$app_id.desktop" ||
        { echo "FAIL: $app_id.desktop is not among the handlers of $type"; status=1; }
done

# The type of the file itself, and whether it is still a text.
file_type="$(installed "$python" -c 'import sys, gi; gi.require_version("Gio", "2.0")
from gi.repository import Gio
t = Gio.File.new_for_path(sys.argv[1]).query_info("standard::content-type", 0).get_content_type()
print(t, Gio.content_type_is_a(t, "text/plain"))' "$work/medium/AUTORUN.INF")"
echo "content type of AUTORUN.INF, and a text: $file_type"
[ "$file_type" = "application/x-autorun-inf True" ] ||
    { echo "FAIL: AUTORUN.INF is not application/x-autorun-inf, a text"; status=1; }
exit $status
