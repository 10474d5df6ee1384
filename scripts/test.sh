#!/bin/sh
# Installs what is missing, builds, and runs every test: the whole suite, the
# same suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and
# each fuzz target for a short while on its corpus. It also builds the
# programs as scripts/run.sh does, with warnings as errors, checks the
# hardening of their Debian package, and starts each once. Ends with the list of tests that were skipped, and why.
set -eu
cd "$(dirname "$0")/.."
sh scripts/build.sh
cmake --workflow --preset release-check
sh packaging/tests/hardening-check.sh build-release-check
sh scripts/with-desktop.sh sh scripts/start-check.sh build-release-check/bin
cmake --workflow --preset test
cmake --workflow --preset asan
sh fuzz/run.sh all 20
python3 scripts/list-skipped.py build/ctest-default.xml build-asan/ctest-asan.xml
