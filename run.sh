#!/bin/sh
# Installs what is missing, builds, installs the program into its own
# folder (~/Games/Zembra) and starts it from there.
set -eu
cd "$(dirname "$0")"
./tools/install_deps.sh
./tools/build.sh
home="${HOME:-/root}"
folder="$home/Games/Zembra"
mkdir -p "$folder"
# Replace the program atomically; the player's files beside it stay.
cp build/app/zembra "$folder/zembra.new"
mv -f "$folder/zembra.new" "$folder/zembra"
# The club files the program needs beside it; existing ones are kept.
./build/tools/zembra-install-club "$folder"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Installed in $folder. No display found: start $folder/zembra from a desktop session."
  exit 0
fi
cd "$folder"
exec ./zembra
