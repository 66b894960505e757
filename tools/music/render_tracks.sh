#!/bin/sh
# Renders the club's pieces (MIDI, from make_music.py) with FluidSynth and
# the TimGM6mb sound font, evens their loudness with sox and encodes them as
# MP3 with lame; writes the playlist "_playlist.html" that lists them, one
# "Artist~Title.mp3" a line, in order.
#
#   render_tracks.sh MIDIDIR OUTDIR SOUNDFONT
set -eu
mididir="$1"
out="$2"
font="$3"
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
list="$work/_playlist.html"
: >"$list"
while IFS= read -r name; do
  [ -n "$name" ] || continue
  fluidsynth -n -i -q -g 0.6 -r 44100 -F "$work/raw.wav" "$font" "$mididir/$name.mid" >/dev/null
  # Peaks at -1 dB, so that every piece is about as loud as the others.
  sox "$work/raw.wav" "$work/even.wav" norm -1
  artist=$(printf '%s' "${name%%~*}" | tr '_' ' ')
  title=$(printf '%s' "${name#*~}" | tr '_' ' ')
  lame --quiet -b 128 --tt "$title" --ta "$artist" --tc "Public-domain tune arranged for Zembra" \
    "$work/even.wav" "$work/track.mp3"
  mv -f "$work/track.mp3" "$out/$name.mp3"
  printf '%s.mp3\n' "$name" >>"$list"
done <"$mididir/order.txt"
mv -f "$list" "$out/_playlist.html"
