#!/bin/sh
# Configures and builds everything into build/, after installing the packages
# only when a quick look finds some missing.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh --check >/dev/null || sh scripts/install-deps.sh
cmake --workflow --preset build
