#!/bin/sh
# Installs what is missing, then configures and builds everything into build/.
set -eu
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
