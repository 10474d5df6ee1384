#!/bin/sh
# Installs clang if it is missing, builds the fuzz targets and runs each for a
# short, bounded time on its corpus: SECONDS each (20 unless given), two at a
# time. Longer runs of one target: sh fuzz/run.sh TARGET SECONDS.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz -DDG_FUZZ_SECONDS="${1:-20}" -DDG_FUZZ_EXTRA_OPTIONS= >/dev/null
cmake --workflow --preset fuzz
