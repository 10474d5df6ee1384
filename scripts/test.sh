#!/bin/sh
# Installs what is missing, builds, and runs every test: the whole suite, the
# same suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and
# each fuzz target for a short while on its corpus. Ends with the list of
# tests that were skipped, and why.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh
ctest --preset default --output-on-failure --output-junit ctest-default.xml

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan --output-on-failure --output-junit ctest-asan.xml

sh scripts/fuzz.sh 20
python3 scripts/list-skipped.py build/ctest-default.xml build-asan/ctest-asan.xml
