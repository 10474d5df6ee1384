#!/bin/sh
# Installs what building and testing needs and is missing, then configures and
# builds everything, the tests included, into build/.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh --tests
cmake --workflow --preset build
