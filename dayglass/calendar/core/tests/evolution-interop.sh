#!/bin/sh
# Notes to Evolution's data server and back, as Evolution itself takes them:
# the notes of data/client-notes.ini, exported by dayglass, are created in
# the data server's own calendar on a session bus of the scenario's own
# (through the data server's GObject introspection), and read from it arrive
# whole, each on its date, with their colours; the calendar as the data server
# then gives it, imported into an empty folder, gives the same notes byte for
# byte.
# Skipped (status 77) without evolution-data-server, its introspection data
# (gir1.2-ecal-2.0) or python3-gi.
# Usage: evolution-interop.sh DAYGLASS
set -eu
tests=$(cd "$(dirname "$0")" && pwd)
. "$tests/../../../../scripts/common.sh"
require_commands dbus-run-session
require_python_module gi python3-gi
[ -f /usr/share/dbus-1/services/org.gnome.evolution.dataserver.Calendar8.service ] ||
    skip "evolution-data-server is not installed"
/usr/bin/python3 -c 'import gi; gi.require_version("ECal", "2.0")' 2>/dev/null ||
    skip "gir1.2-ecal-2.0 is not installed"
. "$tests/client-scenario.sh"
export GSETTINGS_BACKEND=memory
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
mkdir "$work/empty"
cp "$1" "$work/empty/dayglass"
"$work/notes/dayglass" --export-notes "$work/notes.ics"

# The bus and the data server say much on the standard error; it is shown
# when the scenario fails.
trap 'cat "$work/bus.log" >&2; rm -rf "$work"' EXIT
dbus-run-session -- "$python" - "$work/notes.ics" "$work/notes/Calendar.ini" "$work/back.ics" \
    2>"$work/bus.log" <<'PYTHON'
import sys, gi
gi.require_version("ECal", "2.0")
gi.require_version("EDataServer", "1.2")
gi.require_version("ICalGLib", "3.0")
from gi.repository import ECal, EDataServer, ICalGLib
import client_notes
registry = EDataServer.SourceRegistry.new_sync(None)
# The local backend answers at once; the wait is for being online, which a
# machine without a network monitor never says.
client = ECal.Client.connect_sync(registry.ref_builtin_calendar(), ECal.ClientSourceType.EVENTS, 1, None)
exported = ICalGLib.Component.new_from_string(open(sys.argv[1], encoding="utf-8").read())
events, event = [], exported.get_first_component(ICalGLib.ComponentKind.VEVENT_COMPONENT)
while event:
    events.append(event.clone())
    event = exported.get_next_component(ICalGLib.ComponentKind.VEVENT_COMPONENT)
client.create_objects_sync(events, ECal.OperationFlags.NONE, None)
_, stored = client.get_object_list_as_comps_sync("#t", None)
kept = {}
for component in stored:
    event = component.get_icalcomponent()
    start = event.get_dtstart()
    colour = event.get_first_property(ICalGLib.PropertyKind.COLOR_PROPERTY)
    kept[(start.get_year(), start.get_month(), start.get_day())] = (
        event.get_summary(), event.get_description() or "", colour.get_color() if colour else "")
expected = {(day.year, day.month, day.day): event
            for day, event in client_notes.expected_events(sys.argv[2]).items()}
assert kept.keys() == expected.keys(), (kept, expected)
for day, (summary, description) in expected.items():
    assert kept[day][1] == description and summary in (None, kept[day][0]) and kept[day][0], kept[day]
    assert bool(kept[day][2]) == (day != (2024, 3, 3)), kept[day]
back = ICalGLib.Component.new_vcalendar()
for component in stored:
    back.add_component(component.get_icalcomponent().clone())
open(sys.argv[3], "w", encoding="utf-8").write(back.as_ical_string())
print("Evolution's data server keeps the %d days of the export" % len(kept))
PYTHON

trap 'rm -rf "$work"' EXIT
"$work/empty/dayglass" --import-notes "$work/back.ics"
# The notes of the days that have one, as the calendar came back with those alone.
LC_ALL=C grep -a "^Text=[^$(printf '\r')]" "$work/notes/Calendar.ini" >"$work/exported-notes"
LC_ALL=C grep -a '^Text=' "$work/empty/Calendar.ini" >"$work/imported-notes"
cmp "$work/exported-notes" "$work/imported-notes"
echo "every note went to Evolution's data server and came back"
