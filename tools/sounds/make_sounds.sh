#!/bin/sh
# Makes the program's sound effects with sox from synthesis: plucked
# strings, filtered noise and glides, 22050 Hz mono 16-bit WAV, and the Qt
# resource list that compiles them into the program under ":/sounds/".
#
#   make_sounds.sh OUTDIR
set -eu
out="$1"
mkdir -p "$out"

# make NAME SOX-EFFECTS...: one effect, from synthesis.
make() {
  name="$1"
  shift
  sox -q -n -r 22050 -b 16 -c 1 "$out/$name.wav" "$@"
}

# The cards.
make WHodsDo synth 0.12 pinknoise band 1500 1100 fade q 0.001 0.12 0.1 norm -3
make WTasoKo synth 0.85 pinknoise band 3200 2400 tremolo 31 95 fade q 0.06 0.85 0.3 norm -4
make WKoloNo synth 0.8 pluck A3 pluck E4 pluck A4 delay 0 0.05 0.1 remix - fade 0 0.8 0.5 norm -4
# Marriages: a two-note and a three-note chime.
make WSays20 synth 0.75 pluck E5 pluck A5 delay 0 0.12 remix - fade 0 0.75 0.4 norm -3
make WSays40 synth 0.95 pluck E5 pluck A5 pluck C#6 delay 0 0.1 0.2 remix - fade 0 0.95 0.45 norm -3
# A deal settled during play, for and against the player.
make WKoGutX synth 1.0 pluck C5 pluck E5 pluck G5 pluck C6 delay 0 0.08 0.16 0.24 remix - fade 0 1.0 0.5 norm -3
make WKoBadX synth 0.85 pluck A4 pluck F4 delay 0 0.18 remix - fade 0 0.85 0.45 norm -4
# A match summed up, for and against.
make WKoGood synth 1.5 pluck C5 pluck E5 pluck G5 pluck C6 pluck E6 delay 0 0.1 0.2 0.3 0.42 remix - fade 0 1.5 0.8 norm -3
make WKoBads synth 1.4 pluck A4 pluck F4 pluck D4 pluck A3 delay 0 0.15 0.3 0.45 remix - fade 0 1.4 0.6 norm -4
# The end of a cycle: first place, places 2 to 10, outside the top ten.
make WFiBest synth 2.0 pluck G4 pluck C5 pluck E5 pluck G5 pluck C6 pluck E6 pluck G6 \
  delay 0 0.08 0.16 0.24 0.4 0.48 0.56 remix - fade 0 2.0 1.0 norm -3
make WFiGood synth 1.5 pluck C4 pluck E4 pluck G4 pluck C5 pluck E5 delay 0 0.03 0.06 0.09 0.12 remix - \
  fade 0 1.5 0.9 norm -3
make WFiBads synth 1.3 square 300-240 gain -10 lowpass 900 tremolo 4 60 fade q 0.02 1.3 0.4 norm -6
# The window: something opens, something arrived, something was refused.
make WOpenFo synth 0.25 pluck A5 pluck E6 delay 0 0.05 remix - fade 0 0.25 0.15 norm -6
make WToMenK synth 0.6 pluck E6 pluck C6 delay 0 0.15 remix - fade 0 0.6 0.35 norm -4
make WWrongs synth 0.25 square 110 gain -10 lowpass 600 fade q 0.01 0.25 0.08 norm -10
# The tournament's move clock: a tick, and a beep in its last seconds.
make STimerA synth 0.03 pinknoise band 3000 800 fade q 0.001 0.03 0.02 norm -8
make STimerB synth 0.08 sine 1320 fade q 0.005 0.08 0.03 norm -10

{
  echo '<RCC>'
  echo '  <qresource prefix="/sounds">'
  for f in "$out"/*.wav; do
    echo "    <file alias=\"$(basename "$f" .wav)\">$f</file>"
  done
  echo '  </qresource>'
  echo '</RCC>'
} > "$out/zembra_sounds.qrc"
