#!/bin/sh
# The program's radio heard for real: a private PulseAudio server with a
# null sink, the club service on loopback with its radio server playing a
# short piece made here with sox and lame, and zembra-radio-probe playing
# the club's first station while the sink is recorded; sox checks that the
# recording is sound and not silence and prints its figures. Skips (77)
# where no PulseAudio can run or a tool is missing.
#
#   radio_null_sink_test.sh PROBE SERVICE PACKDIR
set -u
probe="$1"
service="$2"
packs="$3"
for tool in pulseaudio pactl parec sox lame icecast2 ezstream; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
run=$(mktemp -d)
export XDG_RUNTIME_DIR="$run" PULSE_RUNTIME_PATH="$run" PULSE_SERVER="unix:$run/native" HOME="$run"
# In the checked build: what GStreamer and PulseAudio keep to the end.
supp="$(cd "$(dirname "$0")/../.." && pwd)/tools/lsan_media.supp"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$supp"
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
pids=""
cleanup() {
  for p in $pids; do kill "$p" 2>/dev/null; done
  for p in $pids; do wait "$p" 2>/dev/null; done
  rm -rf "$run"
}
trap cleanup EXIT
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --use-pid-file=no \
  -L "module-null-sink sink_name=zembra" -L "module-native-protocol-unix socket=$run/native auth-anonymous=1" \
  >"$run/pa.log" 2>&1 &
pids="$pids $!"
for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "skipped: PulseAudio does not start here"; tail -3 "$run/pa.log"; exit 77; }
pactl set-default-sink zembra

# Eight seconds of a little tune in two voices, as the club's music folder.
mkdir -p "$run/club/musik"
sox -n -r 44100 -c 2 "$run/tune.wav" synth 1 pluck C4 pluck E4 : synth 1 pluck E4 pluck G4 : \
  synth 1 pluck G4 pluck C5 : synth 1 pluck F4 pluck A4 : synth 1 pluck E4 pluck G4 : synth 1 pluck D4 pluck F4 : \
  synth 1 pluck G3 pluck B3 : synth 1 pluck C4 pluck E4 gain -3
lame --quiet -b 128 "$run/tune.wav" "$run/club/musik/Probe~Tune.mp3"
port=$(/usr/bin/python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"$service" --listen 127.0.0.1:0 --data "$run/club" --ftp-port 0 --radio-port "$port" --tour-port 0 --log "$run/club/service.log" \
  >"$run/club/out" 2>&1 &
pids="$pids $!"
# The station is on the air once its mount answers with audio.
for _ in $(seq 1 100); do
  /usr/bin/python3 -c 'import sys, urllib.request; sys.exit(len(urllib.request.urlopen(sys.argv[1], timeout=2).read(4096)) < 4096)' \
    "http://127.0.0.1:$port/club.mp3" 2>/dev/null && break
  sleep 0.1
done
parec -d zembra.monitor --file-format=wav "$run/radio.wav" &
rec=$!
sleep 0.3
"$probe" "$packs" "http://127.0.0.1:$port/club.mp3" 8
status=$?
kill "$rec"
wait "$rec" 2>/dev/null
[ "$status" -eq 77 ] && { echo "skipped: no sound device"; exit 77; }
[ "$status" -eq 0 ] || { echo "FAIL: the radio did not play"; tail -5 "$run/club/service.log"; exit 1; }
stat=$(sox "$run/radio.wav" -n stat 2>&1)
length=$(echo "$stat" | awk '/^Length/ {print $3}')
rms=$(echo "$stat" | awk '/^RMS +amplitude/ {print $3}')
peak=$(echo "$stat" | awk '/^Maximum amplitude/ {print $3}')
echo "radio heard: $length s, RMS amplitude $rms, peak $peak"
awk -v r="$rms" -v p="$peak" 'BEGIN { exit !(r > 0.01 && p > 0.05) }' || { echo "FAIL: silence"; exit 1; }
echo "ok"
