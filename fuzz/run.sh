#!/bin/sh
# Builds the fuzz targets and runs one of them for a while, at low priority.
#
#   sh fuzz/run.sh TARGET SECONDS [libFuzzer options...]
#
# TARGET is ini, autorun, note, icalendar, period or countdown. It runs as ctest runs it,
# with the options of fuzz/CMakeLists.txt and any given here. New inputs go to
# BUILD/fuzz/corpus/TARGET, inputs that fail to BUILD/fuzz/crashes/; the seed
# corpus in fuzz/corpus/TARGET is only read. BUILD is build-fuzz unless
# FUZZ_BUILD_DIR names another folder. Rerun one failing input with
#   BUILD/bin/TARGET_fuzzer FILE
set -eu
cd "$(dirname "$0")/.."

if [ $# -lt 2 ]; then
    echo "usage: sh fuzz/run.sh ini|autorun|note|icalendar|period|countdown SECONDS [options...]" >&2
    exit 2
fi
target=$1
seconds=$2
shift 2
build=${FUZZ_BUILD_DIR:-build-fuzz}

cmake --preset fuzz -B "$build" -DDG_FUZZ_SECONDS="$seconds" -DDG_FUZZ_EXTRA_OPTIONS="$*" >/dev/null
cmake --build "$build" --target "${target}_fuzzer" >/dev/null
exec nice ctest --test-dir "$build" -L "^fuzz-${target}\$" --verbose
