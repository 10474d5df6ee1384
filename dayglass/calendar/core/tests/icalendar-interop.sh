#!/bin/sh
# Exchanges notes with other calendars as a user would, on the command line
# and without a display: a Calendar.ini of ten years of notes, exported, is
# read by Python's icalendar (another implementation than ours) with every
# day, note and colour; imported into an empty folder it gives the same notes
# byte for byte; a public holiday calendar (folded lines, a time zone, a
# yearly rule) puts its holidays on their days; a file that is no calendar
# changes nothing and ends with status 1.
# Skipped (status 77) without python3-icalendar.
# Usage: icalendar-interop.sh DAYGLASS HOLIDAY_CALENDAR
set -eu
python=/usr/bin/python3
. "$(dirname "$0")/../../../../scripts/common.sh"
require_python_module icalendar python3-icalendar
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/notes" "$work/empty"
# A copy beside its own files is the portable use: they stay in its folder.
cp "$1" "$work/notes/dayglass"
cp "$1" "$work/empty/dayglass"
unset DISPLAY WAYLAND_DISPLAY

"$python" - "$work/notes/Calendar.ini" <<'PYTHON'
import datetime, sys
marks = "日月火水木金土"
day, lines = datetime.date(2000, 1, 1), []
while day < datetime.date(2010, 1, 1):
    name = day.strftime("%Y/%m/%d")
    lines.append("[%s(%s)]\r\nText=%s の予定：買い物#CR#夜は友人と食事\r\nCollar=%d\r\n"
                 % (name, marks[day.isoweekday() % 7], name, day.day * 40503 % 16777216))
    day += datetime.timedelta(days=1)
open(sys.argv[1], "wb").write("".join(lines).encode("cp932"))
PYTHON

"$work/notes/dayglass" --export-notes "$work/notes.ics"
"$python" - "$work/notes.ics" "$work/notes/Calendar.ini" <<'PYTHON'
import datetime, icalendar, re, sys
calendar = icalendar.Calendar.from_ical(open(sys.argv[1], "rb").read())
stored = open(sys.argv[2], "rb").read().decode("cp932")
notes = {datetime.date(int(m[1]), int(m[2]), int(m[3])): (m[4].replace("#CR#", "\n"), int(m[5]))
         for m in re.finditer(r"\[(\d+)/(\d+)/(\d+)\(.\)\]\r\nText=(.*)\r\nCollar=(\d+)", stored)}
colours, seen = {}, set()
for event in calendar.walk("VEVENT"):
    day = event.decoded("DTSTART")
    note, collar = notes[day]
    assert event.decoded("DTEND") == day + datetime.timedelta(days=1), day
    assert (str(event["SUMMARY"]), str(event["DESCRIPTION"])) == (note.split("\n")[0], note), day
    assert str(event["UID"]) == day.strftime("%Y%m%d@dayglass") and event["TRANSP"] == "TRANSPARENT"
    # The same colour has the same name on every day.
    assert colours.setdefault(collar, str(event["COLOR"])) == str(event["COLOR"]), day
    seen.add(day)
assert seen == set(notes), "days missing: %d" % len(set(notes) - seen)
print("icalendar %s read %d days, %d colours" % (icalendar.__version__, len(seen), len(colours)))
PYTHON

"$work/empty/dayglass" --import-notes "$work/notes.ics"
grep -a '^Text=' "$work/notes/Calendar.ini" > "$work/exported-notes"
grep -a '^Text=' "$work/empty/Calendar.ini" > "$work/imported-notes"
cmp "$work/exported-notes" "$work/imported-notes"

"$work/empty/dayglass" --import-notes "$2" | grep -q ' 12 日'
"$python" - "$work/empty/Calendar.ini" <<'PYTHON'
import sys
stored = open(sys.argv[1], "rb").read().decode("cp932")
for day in ["2025/01/01(水)", "2034/01/01(日)", "2025/11/03(月)", "2025/12/24(水)"]:
    assert "[%s]" % day in stored, day
assert "[2035/01/01(月)]" not in stored
PYTHON

echo "not a calendar" > "$work/bad.ics"
before=$(md5sum < "$work/empty/Calendar.ini")
if "$work/empty/dayglass" --import-notes "$work/bad.ics"; then
    echo "a file that is no calendar was imported"; exit 1
fi
[ "$(md5sum < "$work/empty/Calendar.ini")" = "$before" ]

# A daily event in a zone that changes every minute is more work than an
# import may do: refused, the file named as it is, nothing changed.
printf 'BEGIN:VCALENDAR\r\nBEGIN:VTIMEZONE\r\nTZID:Z\r\nBEGIN:STANDARD\r\n%s\r\n%s\r\n' \
    DTSTART:16010101T000000 TZOFFSETTO:+0000 > "$work/100%1.ics"
printf 'RRULE:FREQ=MINUTELY\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\nBEGIN:VEVENT\r\nUID:a\r\n%s\r\n' \
    'DTSTART;TZID=Z:20240101T120000' >> "$work/100%1.ics"
printf 'RRULE:FREQ=DAILY\r\nSUMMARY:x\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' >> "$work/100%1.ics"
if "$work/empty/dayglass" --import-notes "$work/100%1.ics" 2> "$work/message"; then
    echo "an import of endless work was taken"; exit 1
fi
grep -q "100%1\.ics.* は繰り返しや時間帯の計算が多すぎる.*予定「.*x.*」" "$work/message"
[ "$(md5sum < "$work/empty/Calendar.ini")" = "$before" ]
echo "every note went out and came back"
