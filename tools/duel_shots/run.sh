#!/bin/sh
# Two real copies of the program side by side on a virtual screen, a duel
# between them driven by clicks (xdotool), screenshots of both screens at the
# handshake, mid-deal with chat lines, and at the end (imagemagick's import).
# Needs xvfb, xdotool and imagemagick; the build in ./build.
#   tools/duel_shots/run.sh OUTDIR
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
out=${1:-/tmp/duel-shots}
mkdir -p "$out"
g++ -std=c++20 -I"$root" "$root/tools/duel_shots/duel_options.cpp" "$root/build/records/libzembra_records.a" -o "$out/duel_options"
Xvfb :77 -screen 0 1640x760x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb $(cat "$out"/side*/pid 2>/dev/null) 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=:77
for side in A:Anna B:Boris; do
  d="$out/side${side%%:*}"
  rm -rf "$d"; mkdir -p "$d"
  cp "$root/build/app/zembra" "$d/"
  "$root/build/tools/zembra-install-club" "$d" >/dev/null
  "$out/duel_options" "$d/Zembra.ini" "${side##*:}"
done
(cd "$out/sideA" && { ./zembra >/dev/null 2>&1 & echo $! >pid; })
sleep 1.5
(cd "$out/sideB" && { ./zembra >/dev/null 2>&1 & echo $! >pid; })
sleep 1.5
second=$(xdotool search --name Zembra | while read w; do xdotool getwindowgeometry "$w" | grep -q 760x500 && echo "$w"; done | tail -1)
xdotool windowmove "$second" 860 0; sleep 0.5
# Past the intro; the server's new player confirms, the client chooses its role.
xdotool mousemove 300 300 click 1; sleep 0.3; xdotool mousemove 1160 300 click 1; sleep 0.8
xdotool mousemove 585 147 click 1; sleep 1
xdotool mousemove 362 382 click 1; sleep 1
xdotool mousemove 1445 147 click 1; sleep 1
xdotool mousemove 1102 198 click 1; sleep 0.4; xdotool mousemove 1222 382 click 1; sleep 1.2
import -window root "$out/1-handshake.png"
xdotool mousemove 392 260 click 1; sleep 1.2
import -window root "$out/2-dealt.png"
# Both play by clicks: the continue button and every card place, in turn.
i=0
while [ $i -lt 400 ]; do
  i=$((i + 1))
  for off in 0 860; do
    xdotool mousemove $((off + 629)) 325 click 1
    for x in 160 230 300 370 440 510 575; do xdotool mousemove $((off + x)) 450 click 1; done
  done
  if [ $i -eq 3 ]; then
    xdotool mousemove 1515 446 click 1; xdotool type --delay 40 "nice card"; xdotool key Return
    xdotool mousemove 655 446 click 1; xdotool type --delay 40 "thanks :)"; xdotool key Return
    sleep 0.6; import -window root "$out/3-mid-deal-chat.png"
  fi
  # The general score after the sum-up: its Ok.
  for w in $(xdotool search --onlyvisible --name "Player" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    xdotool mousemove $((X + 160)) $((Y + HEIGHT - 18)) click 1
    sleep 0.5
    # A few more rounds of clicks let the other side sum up too.
    [ $i -lt 390 ] && i=390
  done
done
sleep 1
import -window root "$out/4-end.png"
xdotool mousemove 630 355 click 1; sleep 1; xdotool mousemove 1490 355 click 1; sleep 1.5
import -window root "$out/5-menus.png"
echo "shots in $out"
