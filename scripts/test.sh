#!/bin/sh
# Installs what is missing, builds, and runs every test: the whole suite, the
# same suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and
# each fuzz target for a short while on its corpus.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh
ctest --preset default --output-on-failure

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan --output-on-failure

sh scripts/fuzz.sh 20
