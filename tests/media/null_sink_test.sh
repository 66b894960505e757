#!/bin/sh
# Plays a deal with the program's real sound into a private PulseAudio
# server's null sink, records the sink, and checks with sox that what was
# played is sound and not silence. Skips (77) where no PulseAudio can run.
#
#   null_sink_test.sh PROBE PACKDIR
set -u
probe="$1"
packs="$2"
for tool in pulseaudio pactl parec sox; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
run=$(mktemp -d)
export XDG_RUNTIME_DIR="$run" PULSE_RUNTIME_PATH="$run" PULSE_SERVER="unix:$run/native" HOME="$run"
# In the checked build: what GStreamer and PulseAudio keep to the end.
supp="$(cd "$(dirname "$0")/../.." && pwd)/tools/lsan_media.supp"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$supp"
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
cleanup() {
  [ -n "${rec:-}" ] && kill "$rec" 2>/dev/null
  [ -n "${pa:-}" ] && kill "$pa" 2>/dev/null
  rm -rf "$run"
}
trap cleanup EXIT
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
  -L "module-null-sink sink_name=zembra" -L "module-native-protocol-unix socket=$run/native auth-anonymous=1" \
  >"$run/pa.log" 2>&1 &
pa=$!
for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "skipped: PulseAudio does not start here"; tail -3 "$run/pa.log"; exit 77; }
pactl set-default-sink zembra
parec -d zembra.monitor --file-format=wav "$run/heard.wav" &
rec=$!
sleep 0.3
# The program in a folder of its own, the voice pack beside that folder.
mkdir -p "$run/game"
ln -s "$packs/OrvCVoice3.dll" "$run/OrvCVoice3.dll"
QT_QPA_PLATFORM=offscreen "$probe" "$run/game" || { echo "FAIL: the deal did not play"; exit 1; }
kill "$rec"
wait "$rec" 2>/dev/null
rec=""
stat=$(sox "$run/heard.wav" -n stat 2>&1)
length=$(echo "$stat" | awk '/^Length/ {print $3}')
rms=$(echo "$stat" | awk '/^RMS +amplitude/ {print $3}')
peak=$(echo "$stat" | awk '/^Maximum amplitude/ {print $3}')
echo "heard: $length s, RMS amplitude $rms, peak $peak"
# The deal's effects at -3 dB: a clear peak and more than a whisper overall.
awk -v r="$rms" -v p="$peak" 'BEGIN { exit !(r > 0.005 && p > 0.2) }' || { echo "FAIL: silence"; exit 1; }
echo "ok"
