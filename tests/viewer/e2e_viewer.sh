#!/usr/bin/env bash
# End-to-end test of quorvex or quorvexlight on a virtual display:
#   e2e_viewer.sh PROGRAM XRUN
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/e2e_lib.sh"
program="$1" xrun="$2"
out="$(mktemp -d)"

# One session: still scene, help panel, compass modes, stereo, physics,
# bodies, mouse control (lost when the window is minimized), full screen
# left and resized and taken again, closing.
"$xrun" "$program" \
  title "$out/title" geometry "$out/geometry" \
  wait 2 shot "$out/still0.png" wait 1.5 shot "$out/still1.png" \
  key Tab wait 1.5 shot "$out/help.png" key Tab wait 1.5 shot "$out/hint.png" \
  settle 100 shot "$out/rose.png" key ctrl+j settle 100 shot "$out/ring.png" \
  key ctrl+j settle 100 shot "$out/nocompass.png" key ctrl+j settle 100 shot "$out/rose2.png" \
  key ctrl+i wait 1.5 shot "$out/stereo.png" key ctrl+i \
  key ctrl+p wait 1 shot "$out/moving0.png" wait 2 shot "$out/moving1.png" \
  key space key space key space wait 3 alive shot "$out/bodies.png" \
  key ctrl+p settle 200 key ctrl+m move 900 384 wait 1 shot "$out/steer0.png" wait 1 shot "$out/steer1.png" \
  iconify settle 200 shot "$out/lost0.png" move 100 384 wait 1 shot "$out/lost1.png" \
  key ctrl+f fullscreen off geometry "$out/windowed" \
  resize 1000 700 settle 200 geometry "$out/resized" shot "$out/resized.png" \
  key ctrl+f fullscreen on geometry "$out/full" \
  close
status=$?

check "the window closes with status 0" test "$status" -eq 0
check "the title is exact" test "$(cat "$out/title")" = "Projet Informatique Zarn 2011-2012"
read -r w h sw sh _ <"$out/geometry"
check "the window starts full screen (${w}x$h on ${sw}x$sh)" test "$w" -eq "$sw" -a "$h" -eq "$sh"
read -r w h _ <"$out/windowed"
check "Ctrl+F leaves full screen for an 800 x 600 window (client ${w}x$h)" \
  test "$w" -ge 790 -a "$w" -le 800 -a "$h" -ge 560 -a "$h" -le 600
# The picture follows the new size: the crosshair's middle point (pure
# yellow) stands at the centre of the window (of its canvas, 998 x 698).
read -r w h _ <"$out/resized"
convert "$out/resized.png" -crop 10x10+495+345 +repage "$out/centre.png"
centre="$(count "$out/centre.png" 'R>95' 'G>95' 'B<5')"
check "a window resized to 1000 x 700 (client ${w}x$h) is drawn to its new centre ($centre crosshair pixels)" \
  test "$w" -eq 1000 -a "$h" -eq 700 -a "$centre" -ge 2
read -r w h sw sh _ <"$out/full"
check "Ctrl+F again returns to full screen (${w}x$h on ${sw}x$sh)" test "$w" -eq "$sw" -a "$h" -eq "$sh"

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

# The compass, in the lower quarter: its faint pale yellow lies between the
# backdrop's red (8) and the text's (128).
compass() {
  convert "$1" -gravity south -crop 100%x25%+0+0 +repage "$1-low.png"
  count "$1-low.png" 'R>10' 'R<30'
}
rose="$(compass "$out/rose.png")" ring="$(compass "$out/ring.png")" none="$(compass "$out/nocompass.png")"
check "the rose is drawn at start ($rose compass pixels)" gt "$rose" 1000
check "Ctrl+J shows the ring ($ring pixels, the rose $rose)" test "$ring" -gt 500 -a $((rose - ring)) -gt 300
check "Ctrl+J again hides the compass ($none pixels)" lt "$none" 50
back="$(changed "$out/rose.png" "$out/rose2.png")"
check "a third Ctrl+J brings the rose back ($back pixels differ)" lt "$back" 50

# Ctrl+M: the pointer right of the centre turns the view for as long as the
# mouse is captured; minimizing the window takes the capture away, and then
# the view comes to rest (settle) and the pointer no longer steers.
steer="$(changed "$out/steer0.png" "$out/steer1.png")"
check "Ctrl+M steers the view with the pointer ($steer pixels changed)" gt "$steer" 5000
lost="$(changed "$out/lost0.png" "$out/lost1.png")"
check "a lost capture ends the steering ($lost pixels changed by a move)" lt "$lost" 100

finish
