#!/bin/sh
# The launcher starts one club service, leaves a running one alone, and
# replaces it when the program was updated.
#   start_service_test.sh SOURCE_DIR SERVICE_BINARY
set -eu
src="$1"
bin="$2"
tmp=$(mktemp -d)
export HOME="$tmp/home"
unset XDG_DATA_HOME
data="$HOME/.local/share/zembra-service"
cleanup() {
  [ -s "$data/service.lock" ] && kill -TERM "$(head -n 1 "$data/service.lock")" 2>/dev/null || true
  sleep 0.5
  rm -rf "$tmp"
}
trap cleanup EXIT
mkdir -p "$tmp/game"
cp "$bin" "$tmp/game/zembra-service"
port=$(/usr/bin/python3 -c "import socket; s=socket.socket(); s.bind(('127.0.0.1', 0)); print(s.getsockname()[1])")
fail() { echo "FAIL: $*"; exit 1; }

sh "$src/tools/start_service.sh" "$tmp/game" "127.0.0.1:$port" | grep -q "Club service at" || fail "not started"
first=$(head -n 1 "$data/service.lock")
sh "$src/tools/start_service.sh" "$tmp/game" "127.0.0.1:$port" >/dev/null
[ "$(head -n 1 "$data/service.lock")" = "$first" ] || fail "a second service was started"
[ "$(pgrep -c -f "$tmp/game/zembra-service")" = 1 ] || fail "not exactly one service"

# An update: the file is replaced, the old process is stopped, a new one runs.
cp "$bin" "$tmp/game/zembra-service.new"
mv -f "$tmp/game/zembra-service.new" "$tmp/game/zembra-service"
sh "$src/tools/start_service.sh" "$tmp/game" "127.0.0.1:$port" | grep -q "Club service at" || fail "not restarted"
second=$(head -n 1 "$data/service.lock")
[ "$second" != "$first" ] || fail "the old service was kept"
[ -d "/proc/$first" ] && fail "the old service still runs"
grep -q "stopping on signal 15" "$data/service.log" || fail "the old service did not stop cleanly"
echo "PASS"
