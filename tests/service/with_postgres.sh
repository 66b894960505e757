#!/bin/sh
# Runs a test program against a throw-away PostgreSQL server: a cluster in a
# temporary folder, reachable only through a socket there, removed at the
# end. The program finds it through ZEMBRA_TEST_PG (libpq keywords).
set -eu
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$bin" ]; then
  echo "PostgreSQL server programs are missing (Debian package postgresql)" >&2
  exit 1
fi
dir=$(mktemp -d /tmp/zembra-pg.XXXXXX)
# The server refuses to run as root: then it runs as the postgres user.
if [ "$(id -u)" -eq 0 ]; then
  chown postgres "$dir"
  as() { runuser -u postgres -- "$@"; }
  prefix="runuser -u postgres -- "
else
  as() { "$@"; }
  prefix=""
fi
stop() {
  as "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}
trap stop EXIT INT TERM
as "$bin/initdb" -D "$dir/data" -A trust -U zembra >/dev/null
port=$((20000 + $$ % 20000))
as "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
  -o "-k $dir -p $port -c listen_addresses= -c fsync=off -c max_connections=300" start >/dev/null
# A test may restart the server under a running service.
export ZEMBRA_TEST_PG_RESTART="$prefix$bin/pg_ctl -D $dir/data -m fast -w restart >/dev/null"
ZEMBRA_TEST_PG="host=$dir port=$port user=zembra" "$@"
