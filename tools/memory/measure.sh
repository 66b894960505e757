#!/bin/sh
# The program's memory at the menu against a bare Qt window's: peak resident
# set (VmHWM), with sound and music on, the packs installed in the parent
# folder as ./run.sh installs them, the song playing into a PulseAudio null
# sink. Needs, besides the build's packages, xvfb and xdotool (apt).
#
#   tools/memory/measure.sh [BUILD]      (BUILD defaults to ./build)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
work=$(mktemp -d)
trap 'kill $pa 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/home/Games/Zembra" "$work/run" "$work/tmp"
cp "$build/app/zembra" "$work/home/Games/Zembra/"
cp "$build"/packs/* "$work/home/Games/"
"$build/tools/zembra-install-club" "$work/home/Games/Zembra" >/dev/null
cp "$build/tools/zembra-bare-window" "$work/"
export XDG_RUNTIME_DIR="$work/run" PULSE_RUNTIME_PATH="$work/run" PULSE_SERVER="unix:$work/run/native"
export TMPDIR="$work/tmp" HOME="$work/home"
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
  -L "module-null-sink sink_name=zembra" -L "module-native-protocol-unix socket=$work/run/native auth-anonymous=1" \
  >"$work/pa.log" 2>&1 &
pa=$!
for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink zembra

cat >"$work/peak.sh" <<'INNER'
#!/bin/sh
# $1 folder, $2 program, $3 "click" to leave the intro for the menu
cd "$1"
"./$2" >/dev/null 2>&1 &
pid=$!
sleep 3
[ "$3" = click ] && xdotool mousemove 400 300 click 1
sleep 6
awk '/VmHWM/ {print $2}' "/proc/$pid/status"
kill "$pid"
wait "$pid" 2>/dev/null || true
INNER
bare=$(xvfb-run -a -s "-screen 0 1920x1080x24" sh "$work/peak.sh" "$work" zembra-bare-window -)
program=$(xvfb-run -a -s "-screen 0 1920x1080x24" sh "$work/peak.sh" "$work/home/Games/Zembra" zembra click)
echo "bare Qt window: $bare kB"
echo "program at the menu (sound and music on): $program kB"
awk -v p="$program" -v b="$bare" 'BEGIN { printf "ratio: %.2f\n", p / b }'
