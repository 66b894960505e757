#!/bin/sh
# Installs what is missing, builds, and plays a computer-against-computer
# match on freshly shuffled decks, printing its trace.
set -eu
cd "$(dirname "$0")"
./tools/install_deps.sh
./tools/build.sh
decks="$(mktemp)"
trap 'rm -f "$decks"' EXIT
# A match to 10 needs at most 19 deals.
./build/tools/zembra-shuffle 20 > "$decks"
./build/tools/zembra-sim --match "$decks"
