#!/bin/sh
# The real discgate's check for authors, without a display or any of the
# caller's environment: each fault of the broken sample is told once on its
# line, the sample media have none, and a wrong command line is refused.
# Usage: check.sh DISCGATE EXAMPLES_FOLDER
set -u
fail() { echo "FAIL: $*"; exit 1; }
check() { env -i PATH=/usr/bin:/bin "$discgate" --check "$@" 2>/dev/null; }
discgate=$1
examples=$2

out=$(check "$examples/broken-menu")
[ $? -eq 1 ] || fail "the broken sample does not end with status 1"
[ "$out" = "$(cat "$examples/broken-menu/check.txt")" ] ||
    fail "the broken sample's report differs from check.txt:
$out"
for medium in medium driver-cd; do
    out=$(check "$examples/$medium")
    status=$?
    [ $status -eq 0 ] || fail "$medium: status $status for a sound medium: $out"
done
(cd "$examples/medium" && check >/dev/null) || fail "no check of the current folder"
for usage in "a b" "--bogus" "$examples/medium/readme.txt"; do
    # shellcheck disable=SC2086 # each row is the arguments, split on purpose
    check $usage >/dev/null
    [ $? -eq 2 ] || fail "'--check $usage' is no wrong usage"
done
echo "PASS"
