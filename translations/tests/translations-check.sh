#!/bin/sh
# Brings a copy of each translation up to date with the sources, as lupdate
# does in the build, and fails where a text has no finished translation or
# where a translated text is no longer in the sources.
# Usage: translations-check.sh LUPDATE SOURCE_LIST TRANSLATION...
set -eu
lupdate="$1"
sources="$2"
shift 2
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for translation in "$@"; do
    copy="$work/$(basename "$translation")"
    cp "$translation" "$copy"
    "$lupdate" -silent -source-language ja_JP -locations none "@$sources" -ts "$copy"
    # A translation left empty is as unfinished as one marked so.
    if grep -n -E 'type="(unfinished|vanished|obsolete)"|<translation( [^>]*)?(/>|></translation>)' \
        "$copy" >"$work/faults"; then
        echo "FAIL: $(basename "$translation") lacks translations or keeps texts gone from the sources:"
        grep -B3 -E 'type="(unfinished|vanished|obsolete)"' "$copy" | grep '<source>' || cat "$work/faults"
        echo "Run: cmake --build build --target update_translations, then translate them."
        status=1
    fi
done
exit $status
