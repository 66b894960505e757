#!/bin/sh
# Start-up time to the first window on the screen, the median of RUNS starts
# under Xvfb, for the program (from a folder installed as ./run.sh installs
# it, sound and music on, packs beside it) and for a reference program given
# by its command (e.g. /usr/games/sol). Needs xvfb and xdotool (apt).
#
#   tools/startup/measure.sh [BUILD] [RUNS] [REFERENCE COMMAND...]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs="${2:-7}"
[ $# -ge 2 ] && shift 2 || shift $#
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home/Games/Zembra" "$work/tmp"
cp "$build/app/zembra" "$work/home/Games/Zembra/"
[ -n "${NO_PACKS:-}" ] || cp "$build"/packs/* "$work/home/Games/"
"$build/tools/zembra-install-club" "$work/home/Games/Zembra" >/dev/null

cat >"$work/time.sh" <<'INNER'
#!/bin/sh
# Milliseconds from launch until a window of the process is visible.
runs=$1
shift
i=0
while [ "$i" -lt "$runs" ]; do
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  # xdotool's own --sync looks only every half second.
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do sleep 0.005; done
  end=$(date +%s%N)
  echo $(( (end - start) / 1000000 ))
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null || true
  sleep 0.5
  i=$((i + 1))
done | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
INNER
median() {
  HOME="$work/home" TMPDIR="$work/tmp" xvfb-run -a -s "-screen 0 1920x1080x24" sh "$work/time.sh" "$runs" "$@"
}
cd "$work/home/Games/Zembra"
echo "program: $(median ./zembra) ms to its first window (median of $runs)"
if [ $# -gt 0 ]; then
  echo "$1: $(median "$@") ms to its first window (median of $runs)"
fi
