#!/bin/sh
# Notes to khal and events back, as a user would. The notes of
# data/client-notes.ini, exported by dayglass and taken in with `khal import`,
# arrive whole, each on its date, with their colours. Events made with
# `khal new` (evening, overnight, to midnight, a weekly series in Paris to its
# end, all-day, several days), which khal keeps one file each, arrive in
# dayglass on exactly the days `khal list` lists them, in Tokyo and in New
# York; each file imported again changes nothing.
# Skipped (status 77) without khal.
# Usage: khal-interop.sh DAYGLASS
set -eu
tests=$(cd "$(dirname "$0")" && pwd)
. "$tests/../../../../scripts/common.sh"
require_commands khal
. "$tests/client-scenario.sh"

# A fresh khal with one calendar, in the zone $1.
new_khal() {
    rm -rf "$work/khal" && mkdir -p "$work/khal/calendar"
    cat >"$work/khal/config" <<CONFIG
[calendars]
[[calendar]]
path = $work/khal/calendar
[locale]
timeformat = %H:%M
dateformat = %Y-%m-%d
longdateformat = %Y-%m-%d
datetimeformat = %Y-%m-%d %H:%M
longdatetimeformat = %Y-%m-%d %H:%M
local_timezone = $1
default_timezone = $1
[sqlite]
path = $work/khal/khal.db
CONFIG
}
khal() {
    command khal -c "$work/khal/config" "$@"
}
listing() {
    khal list --day-format 'DAY {date}' --format "$1" 2024-01-01 2025-01-01 >"$work/listing"
}

"$work/notes/dayglass" --export-notes "$work/notes.ics"
export TZ=Asia/Tokyo
new_khal $TZ
khal import --batch -a calendar "$work/notes.ics"
listing '{title}'
"$python" - "$work/listing" "$work/notes/Calendar.ini" "$work/khal/calendar" <<'PYTHON'
import icalendar, os, sys
import client_notes
listed = {day: lines[-1] for day, lines in client_notes.listing(sys.argv[1], "DAY ").items()}
# What khal keeps of each event, in its own files, read by the library that
# khal reads them with; its list shows a description without blank lines.
kept = {}
for name in os.listdir(sys.argv[3]):
    for event in icalendar.Calendar.from_ical(open(os.path.join(sys.argv[3], name)).read()).walk("VEVENT"):
        kept[event.decoded("DTSTART")] = (str(event["SUMMARY"]), str(event.get("DESCRIPTION", "")),
                                          str(event.get("COLOR", "")))
expected = client_notes.expected_events(sys.argv[2])
assert listed.keys() == kept.keys() == expected.keys(), (listed, kept, expected)
for day, (summary, description) in expected.items():
    assert kept[day][1] == description and summary in (None, listed[day]), (day, kept[day])
    # Each colour stays, by its name.
    colour = client_notes.sections(sys.argv[2])[day][1]
    assert listed[day] == kept[day][0] and bool(kept[day][2]) == (colour not in ("", "0")), day
print("khal keeps the %d days of the export, with their colours" % len(kept))
PYTHON

for zone in Asia/Tokyo America/New_York; do
    export TZ=$zone
    new_khal $zone
    khal new -a calendar 2024-03-01 20:00 21:00 夜の会議
    khal new -a calendar 2024-03-02 23:00 2024-03-03 01:00 夜通し
    khal new -a calendar 2024-03-05 23:00 2024-03-06 00:00 深夜まで
    khal new -a calendar -r weekly -u 2024-03-26 2024-03-05 18:00 19:00 Europe/Paris パリの定例
    khal new -a calendar 2024-03-09 終日
    khal new -a calendar 2024-03-12 2024-03-14 連休
    rm -rf "$work/empty" && mkdir "$work/empty" && cp "$1" "$work/empty/dayglass"
    for event in "$work/khal/calendar"/*.ics; do
        "$work/empty/dayglass" --import-notes "$event" >/dev/null
        before=$(md5sum <"$work/empty/Calendar.ini")
        "$work/empty/dayglass" --import-notes "$event" | grep -q ' 0 日'
        [ "$(md5sum <"$work/empty/Calendar.ini")" = "$before" ]
    done
    listing '{title}'
    "$python" - "$work/listing" "$work/empty/Calendar.ini" "$zone" <<'PYTHON'
import sys
import client_notes
listed = {day: sorted(lines) for day, lines in client_notes.listing(sys.argv[1], "DAY ").items()}
held = client_notes.lines_by_day(sys.argv[2])
assert held == listed, "%s\nkhal: %s\ndayglass: %s" % (sys.argv[3], listed, held)
print("%s: dayglass holds khal's %d days" % (sys.argv[3], len(held)))
PYTHON
done
echo "every note went to khal and every event came back"
