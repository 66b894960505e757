#!/bin/sh
# Installs the Debian 12 packages the build needs, only those that are missing.
# Uses sudo only when not running as root.
set -eu

PACKAGES="g++ cmake ninja-build make libgtest-dev libgmock-dev libbenchmark-dev \
  qt6-base-dev qt6-svg-dev libgl-dev libgif-dev kdegames-card-data-kf5 fonts-comic-neue fonts-liberation2 \
  fonts-wqy-zenhei desktop-file-utils libcurl4-openssl-dev \
  libcpp-httplib-dev libsodium-dev libqt6sql6-sqlite libqt6sql6-psql python3-pyftpdlib python3-pil \
  postgresql wrk \
  qt6-multimedia-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good sox libsox-fmt-mp3 lame espeak-ng \
  libfluidsynth-dev fluidsynth timgm6mb-soundfont python3-mido icecast2 ezstream pulseaudio pulseaudio-utils"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done

if [ -n "$missing" ]; then
  echo "Installing:$missing"
  if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  # shellcheck disable=SC2086
  $SUDO apt-get install -y -q --no-install-recommends $missing
fi
