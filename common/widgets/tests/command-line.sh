#!/bin/sh
# Both programs answer --help and --version on standard output with status 0
# in an empty environment, with no display, and list the options that their
# manual pages list; an option they do not know prints the usage on standard
# error with status 2, as does a dayglass command line whose options do not
# go together. A window, which would need a display, would end them with
# another status.
# Usage: command-line.sh DAYGLASS DAYGLASS_MANUAL DISCGATE DISCGATE_MANUAL
set -u
dayglass=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The long options a text names, one a line, in order.
long_options() {
    sed 's/\\-/-/g' "$1" | grep -o -- '--[a-z][a-z0-9-]*' | sort -u
}

while [ $# -ge 2 ]; do
    program=$1 manual=$2
    shift 2
    name=$(basename "$program")
    env -i "$program" --help >"$work/out" 2>"$work/err" || fail "$name --help ended with $?"
    grep -q "^使い方: $name " "$work/out" && [ ! -s "$work/err" ] ||
        fail "$name --help printed: $(cat "$work/out" "$work/err")"
    long_options "$work/out" >"$work/help-options"
    sed -n '/^\.SH OPTIONS/,/^\.SH [^O]/p' "$manual" >"$work/manual-options"
    long_options "$work/manual-options" | diff "$work/help-options" - ||
        fail "--help and the manual page of $name list different options"
    env -i "$program" --version >"$work/out" 2>&1 || fail "$name --version ended with $?"
    grep -qx "$name [0-9][0-9.]*" "$work/out" || fail "$name --version printed: $(cat "$work/out")"
    env -i "$program" --bogus >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 2 ] || fail "$name --bogus ended with $status"
    grep -q -- '--bogus' "$work/err" && grep -q "^使い方: $name " "$work/err" &&
        [ ! -s "$work/out" ] || fail "$name --bogus printed: $(cat "$work/out" "$work/err")"
done
# An import's choice without an import, both choices, the tray beside a note
# command.
for wrong in "--replace-unstorable" "--import-notes a.ics --replace-unstorable --store-in-utf8" \
    "--export-notes - --in-tray"; do
    # shellcheck disable=SC2086 # the options are split on purpose
    env -i "$dayglass" $wrong >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -eq 2 ] && [ ! -s "$work/out" ] && grep -q "^使い方: dayglass " "$work/err" ||
        fail "dayglass $wrong ended with $status: $(cat "$work/out" "$work/err")"
done
echo "Both programs answer their command line without a display."
