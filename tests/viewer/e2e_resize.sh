#!/usr/bin/env bash
# End-to-end test of a viewer asked for windows larger than OpenGL can draw:
#   e2e_resize.sh PROGRAM XRUN
# Out of full screen, the window is made 32767 pixels wide (200 high), then
# 32767 x 32767, then 800 x 600 again: the viewer must keep drawing, give the
# memory of the large frames back and close promptly with status 0.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/e2e_lib.sh"
program="$1" xrun="$2"
out="$(mktemp -d)"

# What the steps wait for, each tried on a fresh screenshot. A frame of the
# largest drawable takes seconds in software (tens of seconds on a loaded
# machine), so each wait is bounded by a generous XRUN_TIMEOUT only.
width() { xdotool getwindowgeometry --shell "$XRUN_WINDOW" | awk -F= '/^WIDTH=/ { print $2 }'; }
height() { xdotool getwindowgeometry --shell "$XRUN_WINDOW" | awk -F= '/^HEIGHT=/ { print $2 }'; }
# Undrawn parts of a window show the toolkit's white background.
undrawn() { count "$1" 'R>97' 'G>97' 'B>97'; }
# The window has grown wide, and a frame of that size is on screen.
wideDrawn() { (($(width) > 800 && $(undrawn "$1") < 100)); }
# The window has grown high as well, and a frame of that size is on screen.
hugeDrawn() { (($(width) > 800 && $(height) > 600 && $(undrawn "$1") < 100)); }
# The picture is the one from before the large frames.
asBefore() { (($(changed "$1" "$out/before.png") < 50)); }
# VmRSS, sampled at every try, has changed by less than 1 MB over the last
# four samples.
rssSettled() {
  awk '/^VmRSS:/ { print $2 }' "/proc/$XRUN_PID/status" >>"$out/rss-back"
  tail -n 4 "$out/rss-back" | awk 'NR == 1 { lo = hi = $1 } { lo = $1 < lo ? $1 : lo; hi = $1 > hi ? $1 : hi }
    END { exit !(NR == 4 && hi - lo < 1024) }'
}
export out
export -f count changed width height undrawn wideDrawn hugeDrawn asBefore rssSettled

XRUN_TIMEOUT=150 "$xrun" "$program" \
  key ctrl+f fullscreen off request 800 600 place 100 80 size 800 600 settle 50 \
  geometry "$out/small" shot "$out/before.png" rss "$out/rss" \
  request 32767 200 until "$out/wide.png" wideDrawn alive geometry "$out/wide" \
  request 32767 32767 until "$out/huge.png" hugeDrawn alive geometry "$out/huge" \
  request 800 600 place 100 80 size 800 600 until "$out/after.png" asBefore until "$out/settled.png" rssSettled \
  alive geometry "$out/back" closetime "$out/close"
status=$?

check "the window closes with status 0" test "$status" -eq 0
read -r w0 h0 _ <"$out/small"
read -r w1 h1 _ <"$out/wide"
read -r w2 h2 _ <"$out/huge"
read -r w3 h3 _ <"$out/back"
check "a 32767-pixel wide window is held below that (${w1}x$h1)" test "$w1" -lt 32767 -a "$w1" -gt "$w0"
check "a 32767 x 32767 window is held below that (${w2}x$h2)" test "$w2" -lt 32767 -a "$h2" -lt 32767 -a "$h2" -gt "$h0"
check "the window is back at its size (${w0}x$h0, then ${w3}x$h3)" test "$w3" -eq "$w0" -a "$h3" -eq "$h0"

# On screen the large windows show the corner of a large frame, not the
# small picture they had nor the toolkit's background.
wide="$(undrawn "$out/wide.png")" huge="$(undrawn "$out/huge.png")"
check "the wide window is drawn ($wide undrawn pixels)" lt "$wide" 100
check "the large window is drawn ($huge undrawn pixels)" lt "$huge" 100
large="$(changed "$out/before.png" "$out/huge.png")"
check "and shows another picture ($large pixels changed)" gt "$large" 1000
# The welcome text is drawn in (0.5, 1, 1).
text="$(count "$out/after.png" 'R>40' 'G>90' 'B>90')"
check "back at 800 x 600 the scene is drawn again ($text text pixels)" gt "$text" 2000
moved="$(changed "$out/before.png" "$out/after.png")"
check "and looks as before ($moved pixels changed)" lt "$moved" 50

rss0="$(cat "$out/rss")" rss="$(tr '\n' ' ' 2>/dev/null <"$out/rss-back")"
rssLast="${rss% }" rssLast="${rssLast##* }"
check "memory is given back (VmRSS in kB: $rss0 before, $rss after)" lt "$rssLast" $((rss0 + 20480))
# Closing waits at most for the frame in progress, at 800 x 600 a fraction
# of a second even on a loaded machine.
closed="$(cat "$out/close" 2>/dev/null || echo none)"
check "the window closes promptly (${closed} s)" awk -v t="$closed" 'BEGIN { exit !(t < 10) }'

finish
