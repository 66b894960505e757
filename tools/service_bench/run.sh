#!/bin/bash
# Load benchmark of zembra-service on loopback with wrk.
#
#   tools/service_bench/run.sh [DURATION]
#
# DURATION is each wrk phase's length in wrk's notation (default 10s; e.g.
# 3s for a short CI run). The service binary is taken from $ZEMBRA_SERVICE,
# or build/service/zembra-service of this checkout. Every run uses a fresh
# data folder, removed at the end together with the service.
#
# Phases (2 wrk threads each, keep-alive connections):
#   reads    -c 100  club table top ten (gid=8) and account top ten
#   logins   -c 16   logins of 4 accounts (remembered after the first check)
#   refused  -c 16   logins with a wrong password: every one is a hash check
#   mixed    -c 50   rated matches: game read/save, top ten, statistics, submits
# Before them it times 20 registrations one by one to give the cost of one
# password hash.
set -euo pipefail

DURATION=${1:-10s}
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
SERVICE=${ZEMBRA_SERVICE:-$ROOT/build/service/zembra-service}
THREADS=2
SEED_ACCOUNTS=50
SEED_ENTRIES=200
PASSWORD=benchpw1

command -v wrk >/dev/null || { echo "wrk is not installed" >&2; exit 2; }
command -v curl >/dev/null || { echo "curl is not installed" >&2; exit 2; }
[ -x "$SERVICE" ] || { echo "no service binary at $SERVICE" >&2; exit 2; }

DATA=$(mktemp -d)
OUT=$(mktemp -d)  # wrk outputs, kept apart from the service's folder
PID=
cleanup() {
  if [ -n "$PID" ] && kill -0 "$PID" 2>/dev/null; then
    kill -TERM "$PID" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$PID" 2>/dev/null && { echo "service did not stop on SIGTERM; killing it" >&2; kill -KILL "$PID"; }
  fi
  rm -rf "$DATA" "$OUT"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

"$SERVICE" --listen 127.0.0.1:0 --data "$DATA" --ftp-port 0 --log-level quiet --log "$DATA/log" \
  >"$OUT/service.out" 2>"$OUT/service.err" &
PID=$!
URL=
for _ in $(seq 100); do
  URL=$(sed -n 's#^listening on \(http://[0-9.:]*\).*#\1#p' "$OUT/service.out")
  [ -n "$URL" ] && break
  kill -0 "$PID" 2>/dev/null || { echo "service exited:" >&2; cat "$OUT/service.err" >&2; exit 1; }
  sleep 0.1
done
[ -n "$URL" ] || { echo "service did not report its address" >&2; exit 1; }
echo "service pid $PID at $URL, phases of $DURATION"

post() {  # post PATH BODY -> reply body on stdout
  curl -s --max-time 10 -A OrvSpecAccess --data-raw "$2" "$URL$1"
}
now_ns() { date +%s%N; }
ms() { awk -v a="$1" -v b="$2" -v n="${3:-1}" 'BEGIN { printf "%.1f", (b - a) / 1e6 / n }'; }

register_body() {
  echo "nick=$1&pw=$2&city=Moscow&country1=Russia&country2=1-001&sex=M&email=a@b.cd&dater=10.12.2026&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0"
}
save_body() {
  echo "nick=$1&pw=$2&tulvekkon=$3&tulvekbest=0&tulvekrating=$4&tulvekses=0&tulvekkonl=3&tulvekscore=$5&tulvekR1=0&tulvekR2=x"
}

# --- seeding -----------------------------------------------------------------
seed_failures=0
t0=$(now_ns)
for i in $(seq "$SEED_ACCOUNTS"); do
  nick=$(printf 'bench%02d' "$i")
  r=$(post /AccountService "$(register_body "$nick" "$PASSWORD")")
  [ "$r" = ok ] || { seed_failures=$((seed_failures + 1)); echo "register $nick: '$r'" >&2; }
  r=$(post /AccountService "$(save_body "$nick" "$PASSWORD" $((i % 7 + 1)) "$((10 + i)).5" $((i * 3)))")
  [ "$r" = ok ] || { seed_failures=$((seed_failures + 1)); echo "save $nick: '$r'" >&2; }
done
for i in $(seq "$SEED_ENTRIES"); do
  r=$(post /RecordsService "gid=8&nick=$(printf 'club%03d' "$i")&city=Moscow&country=1-001&score=$(((i * 37) % 500 + 1))&R7=M&R8=5.7f&R9=x&R10=x")
  case $r in \$*\$) ;; *) seed_failures=$((seed_failures + 1)); echo "submit $i: '$r'" >&2 ;; esac
done
t1=$(now_ns)
top_accounts=$(post /AccountService "tulvekkon=0" | tr -cd '*' | wc -c)
top_table=$(post /RecordsService "gid=8" | tr -cd '*' | wc -c)
echo "seeded $SEED_ACCOUNTS accounts and $SEED_ENTRIES entries in $(ms "$t0" "$t1") ms," \
  "table count $(post /RecordsService "rgid=8"), top ten frames: accounts $top_accounts, table $top_table," \
  "failures $seed_failures"

# --- cost of one password hash ---------------------------------------------
N=20
t0=$(now_ns)
for i in $(seq $N); do post /RecordsService "rgid=8" >/dev/null; done
t1=$(now_ns)
for i in $(seq $N); do
  r=$(post /AccountService "$(register_body "$(printf 'hash%02d' "$i")" "$PASSWORD")")
  [ "$r" = ok ] || echo "register hash$i: '$r'" >&2
done
t2=$(now_ns)
for i in $(seq $N); do post /AccountService "nick=$(printf 'hash%02d' "$i")&&pw=$PASSWORD&&label0=0" >/dev/null; done
t3=$(now_ns)
for i in $(seq $N); do post /AccountService "nick=$(printf 'hash%02d' "$i")&&pw=$PASSWORD&&label0=0" >/dev/null; done
t4=$(now_ns)
base_ms=$(ms "$t0" "$t1" $N)
reg_ms=$(ms "$t1" "$t2" $N)
first_ms=$(ms "$t2" "$t3" $N)
again_ms=$(ms "$t3" "$t4" $N)
hash_ms=$(awk -v a="$reg_ms" -v b="$base_ms" 'BEGIN { printf "%.1f", a - b }')
echo "one by one, per request (curl included): cheap read $base_ms ms, registration $reg_ms ms," \
  "first login $first_ms ms, remembered login $again_ms ms => one hash ~ $hash_ms ms"

# --- wrk phases --------------------------------------------------------------
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$PID/stat"; }
busy_ticks() { awk '/^cpu / { print $2 + $3 + $4 + $7 + $8, $2 + $3 + $4 + $5 + $6 + $7 + $8 }' /proc/stat; }
HZ=$(getconf CLK_TCK)
CORES=$(nproc)

PHASES=()
phase() {  # phase NAME SCRIPT CONNECTIONS [VAR=VALUE...]
  local name=$1 script=$2 conns=$3
  shift 3
  echo
  echo "=== $name: -t $THREADS -c $conns -d $DURATION ($script $*)"
  local s0 b0 s1 b1 w0 w1
  s0=$(cpu_ticks); b0=$(busy_ticks); w0=$(now_ns)
  env "$@" wrk -t "$THREADS" -c "$conns" -d "$DURATION" --timeout 2s --latency -s "$HERE/$script" "$URL/" \
    >"$OUT/$name.txt" 2>"$OUT/$name.err" || echo "wrk failed for $name" >&2
  s1=$(cpu_ticks); b1=$(busy_ticks); w1=$(now_ns)
  cat "$OUT/$name.txt"
  if [ -s "$OUT/$name.err" ]; then sed 's/^/  wrk: /' "$OUT/$name.err" | head -5; fi
  # Service CPU and whole-machine CPU as % of one core over the phase.
  awk -v s0="$s0" -v s1="$s1" -v b0="$b0" -v b1="$b1" -v w0="$w0" -v w1="$w1" -v hz="$HZ" -v n="$CORES" \
    'BEGIN { split(b0, a, " "); split(b1, b, " "); secs = (w1 - w0) / 1e9;
             svc = (s1 - s0) / hz / secs * 100; all = (b[1] - a[1]) / (b[2] - a[2]) * n * 100;
             printf "cpu: service %.0f%%, everything %.0f%% (of %d00%%), wrk+kernel+rest %.0f%%\n", svc, all, n, all - svc }' \
    | tee "$OUT/$name.cpu"
  kill -0 "$PID" 2>/dev/null || { echo "service died during $name" >&2; exit 1; }
  PHASES+=("$name")
}

phase reads reads.lua 100
phase logins logins.lua 16 BENCH_ACCOUNTS=4 BENCH_PASSWORD=$PASSWORD
phase refused logins.lua 16 BENCH_ACCOUNTS=4 BENCH_WRONG_PASSWORD=wrongpw9
phase mixed mixed.lua 50 BENCH_ACCOUNTS=$SEED_ACCOUNTS BENCH_PASSWORD=$PASSWORD

# --- summary -----------------------------------------------------------------
echo
echo "=== summary ($DURATION per phase, $THREADS wrk threads, loopback, $CORES cores)"
printf '%-8s %5s %10s %9s %9s %9s %7s %7s %8s %7s\n' phase conns "req/s" p50_ms p99_ms max_ms non2xx badbody sockerr svc_cpu
for name in "${PHASES[@]}"; do
  f=$OUT/$name.txt
  rps=$(awk '/^Requests\/sec:/ { print $2 }' "$f")
  conns=$(sed -n 's/.* \([0-9]*\) connections$/\1/p' "$f")
  sed -n 's/^BENCH //p' "$f" | tr ' ' '\n' >"$OUT/$name.kv"
  get() { local v; v=$(sed -n "s/^$1=//p" "$OUT/$name.kv"); echo "${v:-0}"; }
  sock=$(($(get connect) + $(get read) + $(get write) + $(get timeout)))
  svc=$(sed -n 's/^cpu: service \([0-9]*%\).*/\1/p' "$OUT/$name.cpu")
  printf '%-8s %5s %10s %9.2f %9.2f %9.1f %7s %7s %8s %7s\n' "$name" "$conns" "$rps" \
    "$(awk -v v="$(get p50_us)" 'BEGIN { print v / 1000 }')" \
    "$(awk -v v="$(get p99_us)" 'BEGIN { print v / 1000 }')" \
    "$(awk -v v="$(get max_us)" 'BEGIN { print v / 1000 }')" \
    "$(get non2xx)" "$(get bad_replies)" "$sock" "$svc"
done
echo "socket errors (connect/read/write/timeout) are listed per phase above"
echo "hash: registration $reg_ms ms vs cheap read $base_ms ms one by one => ~$hash_ms ms per hash;" \
  "first login $first_ms ms, remembered login $again_ms ms"
echo "logins are remembered for 5 minutes after one successful check, so the 'logins' row measures"
echo "remembered logins; the 'refused' row (wrong password, never remembered) is the hash-bound rate"
if [ -s "$OUT/service.err" ]; then
  echo "service stderr:"; head -20 "$OUT/service.err"
fi
