#!/usr/bin/env bash
# End-to-end test of a viewer asked for windows larger than OpenGL can draw:
#   e2e_resize.sh PROGRAM XRUN
# Out of full screen, the window is made 32767 pixels wide (200 high), then
# 32767 x 32767, then 800 x 600 again: the viewer must keep drawing, give the
# memory of the large frames back and close with status 0.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/e2e_lib.sh"
program="$1" xrun="$2"
out="$(mktemp -d)"

# A frame of the largest size the driver draws takes seconds in software,
# and the frames asked for meanwhile follow: generous waits, and the memory
# sampled several times once back at 800 x 600.
samples=()
for i in 1 2 3 4 5 6; do samples+=(wait 3 rss "$out/rss"); done
XRUN_TIMEOUT=120 "$xrun" "$program" \
  key ctrl+f wait 2 request 800 600 place 100 80 wait 2 settle 50 geometry "$out/small" shot "$out/before.png" rss "$out/rss" \
  request 32767 200 wait 3 alive geometry "$out/wide" \
  request 32767 32767 wait 20 alive geometry "$out/huge" shot "$out/huge.png" \
  request 800 600 place 100 80 wait 5 "${samples[@]}" alive geometry "$out/back" shot "$out/after.png" \
  close
status=$?

check "the window closes with status 0" test "$status" -eq 0
read -r w0 h0 _ <"$out/small"
read -r w1 h1 _ <"$out/wide"
read -r w2 h2 _ <"$out/huge"
read -r w3 h3 _ <"$out/back"
check "a 32767-pixel wide window is held below that (${w1}x$h1)" test "$w1" -lt 32767 -a "$w1" -gt "$w0"
check "a 32767 x 32767 window is held below that (${w2}x$h2)" test "$w2" -lt 32767 -a "$h2" -lt 32767 -a "$h2" -gt "$h0"
check "the window is back at its size (${w0}x$h0, then ${w3}x$h3)" test "$w3" -eq "$w0" -a "$h3" -eq "$h0"

# On screen the large window shows the corner of a large frame, not the
# small picture it had.
large="$(changed "$out/before.png" "$out/huge.png")"
check "the large window is drawn ($large pixels changed on screen)" gt "$large" 1000
# The welcome text is drawn in (0.5, 1, 1).
text="$(count "$out/after.png" 'R>40' 'G>90' 'B>90')"
check "back at 800 x 600 the scene is drawn again ($text text pixels)" gt "$text" 2000
moved="$(changed "$out/before.png" "$out/after.png")"
check "and looks as before ($moved pixels changed)" lt "$moved" 50

rss="$(tr '\n' ' ' <"$out/rss")"
read -r rss0 rssLast < <(awk '{ print $1, $NF }' <<<"$rss")
check "memory is given back (VmRSS in kB: $rss)" lt "$rssLast" $((rss0 + 20480))

finish
