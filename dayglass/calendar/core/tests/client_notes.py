"""What the scenarios with other calendars compare: the notes of a
Calendar.ini as a calendar should show them once exported, and the notes
dayglass holds after an import, day by day."""
import datetime
import re

SECTION = re.compile(r"\[(\d+)/(\d+)/(\d+)\(.\)\]\r\n(?:Text=(.*)\r\n)?(?:Collar=(-?\d*)\r\n)?")


def sections(path):
    """Each day of the file with its note (a line feed for each #CR#) and colour."""
    text = open(path, "rb").read().decode("cp932")
    return {datetime.date(int(m[1]), int(m[2]), int(m[3])): ((m[4] or "").replace("#CR#", "\n"), m[5] or "")
            for m in SECTION.finditer(text)}


def expected_events(path):
    """The summary and description of each day's event: the first line that
    holds anything and the whole note, or, for a colour alone, a summary that
    names it and no description."""
    events = {}
    for day, (note, colour) in sections(path).items():
        first = next((line for line in note.split("\n") if line), None)
        if first is not None:
            events[day] = (first, note)
        elif colour not in ("", "0"):
            events[day] = (None, "")
    return events


def listing(path, prefix="", suffix=""):
    """The lines under each day of another calendar's listing, in order: a
    day begins at a line of its ISO date between `prefix` and `suffix`."""
    listed, day = {}, None
    for line in open(path).read().splitlines():
        if line.startswith(prefix) and line.endswith(suffix):
            day = datetime.date.fromisoformat(line[len(prefix):len(line) - len(suffix)])
        elif line:
            listed.setdefault(day, []).append(line)
    return listed


def lines_by_day(path):
    """The lines of each day's note, sorted, as dayglass holds them."""
    return {day: sorted(note.split("\n")) for day, (note, _) in sections(path).items() if note}
