# Sourced by the scenarios with other calendars, with $tests their folder and
# $1 the dayglass to run: a home and a work folder of their own, no display,
# and a copy of dayglass in $work/notes beside data/client-notes.ini (a copy
# beside its own files is the portable use: they stay in its folder).
python=/usr/bin/python3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work" PYTHONPATH="$tests"
unset DISPLAY WAYLAND_DISPLAY
mkdir "$work/notes"
cp "$1" "$work/notes/dayglass"
cp "$tests/data/client-notes.ini" "$work/notes/Calendar.ini"
