#!/bin/sh
# Notes to calcurse and events back, as a user would. The notes of
# data/client-notes.ini, exported by dayglass and imported with `calcurse -i`,
# arrive whole, each on its date, a day of a colour alone under its colour's
# name. The appointments and events of a calcurse calendar (evening,
# overnight, to midnight, a daily series and a weekly one to their ends,
# all-day), which calcurse exports as times without a zone, arrive in
# dayglass on exactly the days calcurse lists them, in Tokyo and in New York;
# the same file imported again changes nothing.
# Skipped (status 77) without calcurse.
# Usage: calcurse-interop.sh DAYGLASS
set -eu
tests=$(cd "$(dirname "$0")" && pwd)
. "$tests/../../../../scripts/common.sh"
require_commands calcurse
. "$tests/client-scenario.sh"
mkdir "$work/calcurse"
printf 'format.outputdate=%%Y-%%m-%%d\n' >"$work/calcurse/conf"

# calcurse lists each day with its items, as the scenario formats them.
listing() {
    calcurse -D "$1" --input-datefmt 4 -Q --filter-type cal --from 2024-01-01 --to 2024-12-31 \
        --format-apt '%m\n' --format-recur-apt '%m\n' --format-event '%m@@%n\n' \
        --format-recur-event '%m@@%n\n'
}

"$work/notes/dayglass" --export-notes "$work/notes.ics"
calcurse -D "$work/calcurse" -i "$work/notes.ics"
listing "$work/calcurse" >"$work/listing"
"$python" - "$work/listing" "$work/notes/Calendar.ini" "$work/calcurse/notes" <<'PYTHON'
import os, sys
import client_notes
shown = {}
for day, lines in client_notes.listing(sys.argv[1], suffix=":").items():
    for line in lines:
        summary, note = line.split("@@")
        path = os.path.join(sys.argv[3], note)
        shown[day] = (summary, open(path).read()[:-1] if os.path.exists(path) else "")
expected = client_notes.expected_events(sys.argv[2])
assert shown.keys() == expected.keys(), (shown, expected)
for day, (summary, description) in expected.items():
    assert shown[day][1] == description and summary in (None, shown[day][0]), (day, shown[day])
    assert shown[day][0], day
print("calcurse shows the %d days of the export" % len(shown))
PYTHON

# The calendar as calcurse keeps it: times of the day without a zone.
cat >"$work/calcurse/apts" <<'APTS'
03/01/2024 @ 20:00 -> 03/01/2024 @ 21:00 |夜の会議
03/02/2024 @ 23:00 -> 03/03/2024 @ 01:00 |夜通し
03/05/2024 @ 23:00 -> 03/06/2024 @ 00:00 |深夜まで
03/04/2024 @ 16:00 -> 03/04/2024 @ 17:00 {1D -> 03/08/2024} |毎日の練習
03/10/2024 [1] {1W -> 03/31/2024} 週ごとの当番
03/09/2024 [1] 終日
APTS
for zone in Asia/Tokyo America/New_York; do
    rm -rf "$work/empty" && mkdir "$work/empty" && cp "$1" "$work/empty/dayglass"
    TZ=$zone calcurse -D "$work/calcurse" -xical >"$work/calcurse.ics"
    TZ=$zone "$work/empty/dayglass" --import-notes "$work/calcurse.ics"
    before=$(md5sum <"$work/empty/Calendar.ini")
    TZ=$zone "$work/empty/dayglass" --import-notes "$work/calcurse.ics" | grep -q ' 0 日'
    [ "$(md5sum <"$work/empty/Calendar.ini")" = "$before" ]
    TZ=$zone listing "$work/calcurse" >"$work/listing"
    "$python" - "$work/listing" "$work/empty/Calendar.ini" "$zone" <<'PYTHON'
import sys
import client_notes
listed = {day: sorted(line.split("@@")[0] for line in lines)
          for day, lines in client_notes.listing(sys.argv[1], suffix=":").items()}
held = client_notes.lines_by_day(sys.argv[2])
assert held == listed, "%s\ncalcurse: %s\ndayglass: %s" % (sys.argv[3], listed, held)
print("%s: dayglass holds calcurse's %d days" % (sys.argv[3], len(held)))
PYTHON
done
echo "every note went to calcurse and every event came back"
