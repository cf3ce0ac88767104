#!/usr/bin/env bash
# End-to-end test of quorvex or quorvexlight on a virtual display:
#   e2e_viewer.sh PROGRAM XRUN
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/e2e_lib.sh"
program="$1" xrun="$2"
out="$(mktemp -d)"

# One session: still scene, help panel, stereo, physics, bodies, closing.
"$xrun" "$program" \
  title "$out/title" geometry "$out/geometry" \
  wait 2 shot "$out/still0.png" wait 1.5 shot "$out/still1.png" \
  key Tab wait 1.5 shot "$out/help.png" key Tab wait 1.5 shot "$out/hint.png" \
  key ctrl+i wait 1.5 shot "$out/stereo.png" key ctrl+i \
  key ctrl+p wait 1 shot "$out/moving0.png" wait 2 shot "$out/moving1.png" \
  key space key space key space wait 3 alive shot "$out/bodies.png" \
  key ctrl+f wait 2 geometry "$out/windowed" \
  close
status=$?

check "the window closes with status 0" test "$status" -eq 0
check "the title is exact" test "$(cat "$out/title")" = "Projet Informatique Zarn 2011-2012"
read -r w h sw sh _ <"$out/geometry"
check "the window starts full screen (${w}x$h on ${sw}x$sh)" test "$w" -eq "$sw" -a "$h" -eq "$sh"
read -r w h _ <"$out/windowed"
check "Ctrl+F leaves full screen for an 800 x 600 window (client ${w}x$h)" \
  test "$w" -ge 790 -a "$w" -le 800 -a "$h" -ge 560 -a "$h" -le 600

# The welcome text is drawn in (0.5, 1, 1): many cyan-white pixels.
text="$(count "$out/still0.png" 'R>40' 'G>90' 'B>90')"
check "the first frames show the welcome text ($text pixels)" gt "$text" 2000
still="$(changed "$out/still0.png" "$out/still1.png")"
check "without physics the scene stands still ($still pixels changed)" lt "$still" 50

# The panel's pale yellow (1, 1, 0.5), blended over itself frame after
# frame: far more such pixels with the help panel than with the hint.
panel() { count "$1" 'R>90' 'G>90' 'B>40' 'B<60'; }
p0="$(panel "$out/still1.png")" p1="$(panel "$out/help.png")" p2="$(panel "$out/hint.png")"
check "Tab shows the help panel ($p0 -> $p1 panel pixels)" gt "$p1" $((p0 + 1000))
check "Tab again shows the hint ($p1 -> $p2)" lt "$p2" $((p0 + 200))

# Stereo: the red image (left eye) and the cyan one (right eye) do not
# coincide, so pure red and pure cyan pixels appear.
red="$(count "$out/stereo.png" 'R>35' 'G<25' 'B<25')" cyan="$(count "$out/stereo.png" 'R<12' 'G>80' 'B>80')"
red0="$(count "$out/still1.png" 'R>35' 'G<25' 'B<25')" cyan0="$(count "$out/still1.png" 'R<12' 'G>80' 'B>80')"
check "Ctrl+I separates red ($red0 -> $red) and cyan ($cyan0 -> $cyan) pixels" \
  test "$red" -gt $((red0 + 300)) -a "$cyan" -gt $((cyan0 + 300))

moving="$(changed "$out/moving0.png" "$out/moving1.png")"
check "with Ctrl+P the picture changes over time ($moving pixels changed)" gt "$moving" 1000

finish
