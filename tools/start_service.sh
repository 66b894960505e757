#!/bin/sh
# Starts the installed club service in the background unless it already
# runs; an updated program replaces a running older one. Its data folder is
# in the user's data folder, its log there too; it keeps running after the
# game ends.
#   tools/start_service.sh PROGRAM_FOLDER [ADDRESS:PORT]
set -eu
folder="$1"
listen="${2:-127.0.0.1:25680}"
home="${HOME:-/root}"
data="${XDG_DATA_HOME:-$home/.local/share}/zembra-service"
mkdir -p "$data"

# The running service names itself in its lock file.
running=""
if [ -s "$data/service.lock" ]; then
  pid=$(head -n 1 "$data/service.lock")
  case "$pid" in
    "" | *[!0-9]*) ;;
    *) if readlink "/proc/$pid/exe" 2>/dev/null | grep -q "zembra-service"; then running="$pid"; fi ;;
  esac
fi
if [ -n "$running" ]; then
  # A program replaced since it started shows as deleted: stop the old one.
  if ! readlink "/proc/$running/exe" | grep -q "(deleted)"; then exit 0; fi
  kill -TERM "$running"
  for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
    [ -d "/proc/$running" ] || break
    sleep 0.25
  done
fi

# setsid: the service outlives the terminal that started the game.
setsid "$folder/zembra-service" --listen "$listen" --data "$data" </dev/null >>"$data/launch.log" 2>&1 &
for _ in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do
  if /usr/bin/python3 -c "import sys, urllib.request; urllib.request.urlopen(sys.argv[1], timeout=1)" \
    "http://$listen/health" 2>/dev/null; then
    echo "Club service at http://$listen (data and log in $data)"
    exit 0
  fi
  sleep 0.25
done
echo "The club service did not start; see $data/launch.log" >&2
