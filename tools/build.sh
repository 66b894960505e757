#!/bin/sh
# Configures and builds the project into ./build: every target, or only the
# targets named (./tools/build.sh zembra zembra-install-club).
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ "$#" -gt 0 ]; then
  cmake --build build --parallel "$(nproc)" --target "$@"
else
  cmake --build build --parallel "$(nproc)"
fi
