#!/bin/sh
# Builds the fuzz targets and runs one of them for a while, at low priority.
#
#   sh fuzz/run.sh TARGET SECONDS [libFuzzer options...]
#
# TARGET is ini, autorun, note, period or countdown. New inputs go to
# BUILD/fuzz/corpus/TARGET, inputs that fail to BUILD/fuzz/crashes/; the seed
# corpus in fuzz/corpus/TARGET is only read. BUILD is build-fuzz unless
# FUZZ_BUILD_DIR names another folder. Rerun one failing input with
#   BUILD/bin/TARGET_fuzzer FILE
set -eu
cd "$(dirname "$0")/.."

if [ $# -lt 2 ]; then
    echo "usage: sh fuzz/run.sh ini|autorun|note|period|countdown SECONDS [options...]" >&2
    exit 2
fi
target=$1
seconds=$2
shift 2
build=${FUZZ_BUILD_DIR:-build-fuzz}

cmake --preset fuzz -B "$build" >/dev/null
cmake --build "$build" --target "${target}_fuzzer" >/dev/null

mkdir -p "$build/fuzz/corpus/$target" "$build/fuzz/crashes"
# Files the targets write are rewritten thousands of times a second; in
# memory that costs nothing.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
exec nice "$build/bin/${target}_fuzzer" \
    -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz/crashes/$target-" \
    "$@" "$build/fuzz/corpus/$target" "fuzz/corpus/$target"
