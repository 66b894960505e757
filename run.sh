#!/bin/sh
# Installs what is missing, builds the program (only what is installed),
# installs it into its own folder (~/Games/Zembra) with a desktop entry and
# an icon, starts the club service beside it (once; it keeps running), and
# starts the game from there.
set -eu
cd "$(dirname "$0")"
./tools/install_deps.sh
./tools/build.sh zembra zembra-install-club zembra-service zembra-packs zembra-music
home="${HOME:-/root}"
folder="$home/Games/Zembra"
mkdir -p "$folder"
# Replace the program atomically; the player's files beside it stay. An
# unchanged program is left alone.
if ! cmp -s build/app/zembra "$folder/zembra"; then
  cp build/app/zembra "$folder/zembra.new"
  mv -f "$folder/zembra.new" "$folder/zembra"
fi
for f in zembra-service zembra-photo-ftp.py; do
  if ! cmp -s "build/service/$f" "$folder/$f"; then
    cp "build/service/$f" "$folder/$f.new"
    mv -f "$folder/$f.new" "$folder/$f"
  fi
done
# The packs: in the program's parent folder, where downloads go, and in the
# club service's download folder.
data="${XDG_DATA_HOME:-$home/.local/share}/zembra-service"
mkdir -p "$data/downloads"
for pack in build/packs/*; do
  for dest in "$folder/.." "$data/downloads"; do
    f="$dest/$(basename "$pack")"
    if ! cmp -s "$pack" "$f"; then
      cp "$pack" "$f.new"
      mv -f "$f.new" "$f"
    fi
  done
done
# The club's music (our own pieces and their playlist), which the service
# streams from its musik folder.
mkdir -p "$data/musik"
for track in build/music/*; do
  f="$data/musik/$(basename "$track")"
  if ! cmp -s "$track" "$f"; then
    cp "$track" "$f.new"
    mv -f "$f.new" "$f"
  fi
done
./tools/start_service.sh "$folder"
# The club files the program needs beside it; existing ones are kept.
./build/tools/zembra-install-club "$folder"
./tools/install_desktop.sh "$folder" build/generated/art/ZembraIcon.png
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Installed in $folder. No display found: start $folder/zembra from a desktop session."
  exit 0
fi
cd "$folder"
exec ./zembra
