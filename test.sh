#!/bin/sh
# Installs what is missing, builds and runs every test.
set -eu
cd "$(dirname "$0")"
./tools/install_deps.sh
./tools/build.sh
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
