#!/bin/sh
# Builds the fuzz targets, with clang installed where it is missing, and runs
# them at low priority as ctest runs them, with the options of
# fuzz/CMakeLists.txt and any given here:
#
#   sh fuzz/run.sh [TARGET [SECONDS [libFuzzer options...]]]
#
# TARGET is ini, autorun, programicon, note, icalendar, recurrence, holidays, period,
# countdown or all (the default: each in turn, two at a time); SECONDS is 20
# unless given. New inputs go to build-fuzz/fuzz/corpus/TARGET, inputs that
# fail to build-fuzz/fuzz/crashes/; the seed corpus in fuzz/corpus/TARGET is
# only read. Rerun one failing input with build-fuzz/bin/TARGET_fuzzer FILE.
set -eu
cd "$(dirname "$0")/.."
target=${1:-all}
seconds=${2:-20}
shift $(($# < 2 ? $# : 2))

sh scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz -DDG_FUZZ_SECONDS="$seconds" -DDG_FUZZ_EXTRA_OPTIONS="$*" >/dev/null
if [ "$target" = all ]; then
    cmake --build --preset fuzz
    exec nice ctest --preset fuzz
fi
cmake --build --preset fuzz --target "${target}_fuzzer" >/dev/null
exec nice ctest --preset fuzz -L "^fuzz-${target}\$" --verbose
