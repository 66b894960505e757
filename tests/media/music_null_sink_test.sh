#!/bin/sh
# The program's music heard for real: a private PulseAudio server with a
# null sink, the club service on loopback serving the club's pieces, and
# zembra-music-probe playing the built-in song (FluidSynth) and a streamed
# track (Qt Multimedia) while the sink is recorded; sox checks that each
# recording is music and not silence. Then a playlist of short tracks
# checks that a track played to its end is followed by the next. Skips
# (77) where no PulseAudio can run.
#
#   music_null_sink_test.sh PROBE SERVICE MUSICDIR
set -u
probe="$1"
service="$2"
music="$3"
for tool in pulseaudio pactl parec sox lame; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
run=$(mktemp -d)
export XDG_RUNTIME_DIR="$run" PULSE_RUNTIME_PATH="$run" PULSE_SERVER="unix:$run/native" HOME="$run"
export QT_QPA_PLATFORM=offscreen
# In the checked build: what GStreamer and PulseAudio keep to the end.
supp="$(cd "$(dirname "$0")/../.." && pwd)/tools/lsan_media.supp"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$supp"
# Whole stacks through the system libraries, which keep no frame pointers.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
pids=""
cleanup() {
  for p in $pids; do kill "$p" 2>/dev/null; done
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

# A club service on a free port with the data folder $1 (its musik folder
# in it); its address in $address. Started in this shell, so that the
# cleanup ends it.
start_service() {
  "$service" --listen 127.0.0.1:0 --data "$1" --ftp-port 0 --radio-port 0 --tour-port 0 --log "$1/service.log" >"$1/out" 2>&1 &
  pids="$pids $!"
  for _ in $(seq 1 50); do grep -q "listening on" "$1/out" 2>/dev/null && break; sleep 0.1; done
  address=$(sed -n 's/^listening on .*:\([0-9]*\)$/http:\/\/127.0.0.1:\1/p' "$1/out" | head -n 1)
}

# Records the sink while the probe plays; prints the figures, fails on silence.
heard() {
  name="$1"
  shift
  parec -d zembra.monitor --file-format=wav "$run/$name.wav" &
  rec=$!
  sleep 0.3
  "$@"
  status=$?
  kill "$rec"
  wait "$rec" 2>/dev/null
  [ "$status" -eq 77 ] && { echo "skipped: no sound device for the $name"; exit 77; }
  [ "$status" -eq 0 ] || { echo "FAIL: the $name did not play"; exit 1; }
  stat=$(sox "$run/$name.wav" -n stat 2>&1)
  length=$(echo "$stat" | awk '/^Length/ {print $3}')
  rms=$(echo "$stat" | awk '/^RMS +amplitude/ {print $3}')
  peak=$(echo "$stat" | awk '/^Maximum amplitude/ {print $3}')
  echo "$name heard: $length s, RMS amplitude $rms, peak $peak"
  awk -v r="$rms" -v p="$peak" 'BEGIN { exit !(r > 0.01 && p > 0.05) }' || { echo "FAIL: silence"; exit 1; }
}

heard song "$probe" song 6

mkdir -p "$run/club/musik"
cp "$music"/*.mp3 "$music/_playlist.html" "$run/club/musik/"
start_service "$run/club"
club="$address"
[ -n "$club" ] || { echo "FAIL: the club service did not start"; cat "$run/club/out"; exit 1; }
heard stream "$probe" stream "$club" 6

# Five tracks of a second and a half each: two or more follow one another.
mkdir -p "$run/short/musik"
for n in 1 2 3 4 5; do
  sox -n -r 44100 -c 2 "$run/tone.wav" synth 1.5 sine "$((300 + 100 * n))" gain -6
  lame --quiet -b 96 "$run/tone.wav" "$run/short/musik/Probe~Tone_$n.mp3"
  echo "Probe~Tone_$n.mp3" >>"$run/short/musik/_playlist.html"
done
start_service "$run/short"
short="$address"
"$probe" follow "$short" 10 || { echo "FAIL: a track that ended was not followed by another"; exit 1; }
echo "ok"
