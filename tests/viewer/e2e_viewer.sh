#!/usr/bin/env bash
# End-to-end test of quorvex or quorvexlight on a virtual display:
#   e2e_viewer.sh PROGRAM XRUN
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/e2e_lib.sh"
program="$1" xrun="$2"
out="$(mktemp -d)"

# Measures of a screenshot.
# The help panel's pale yellow (1, 1, 0.5), blended over itself frame after
# frame: far more such pixels with the help panel than with the hint.
panel() { count "$1" 'R>90' 'G>90' 'B>40' 'B<60'; }
# The compass, in the lower quarter: its faint pale yellow lies between the
# backdrop's red (8) and the text's (128).
compass() {
  convert "$1" -gravity south -crop 100%x25%+0+0 +repage "$1-low.png"
  count "$1-low.png" 'R>10' 'R<30'
}
# Stereo: the red image (left eye) and the cyan one (right eye) do not
# coincide, so pure red and pure cyan pixels appear.
red() { count "$1" 'R>35' 'G<25' 'B<25'; }
cyan() { count "$1" 'R<12' 'G>80' 'B>80'; }
# The crosshair's middle point (pure yellow) at the centre of a window
# resized to 1000 x 700 (of its canvas, 998 x 698).
crosshair() {
  convert "$1" -crop 10x10+495+345 +repage "$1-centre.png"
  count "$1-centre.png" 'R>95' 'G>95' 'B<5'
}

# What the steps wait for, each tried on a fresh screenshot: what the
# checks below check.
helpShown() { (($(panel "$1") > $(panel "$out/still1.png") + 1000)); }
hintShown() { (($(panel "$1") < $(panel "$out/still1.png") + 200)); }
ringShown() {
  local ring
  ring="$(compass "$1")"
  ((ring > 500 && $(compass "$out/rose.png") - ring > 300))
}
compassHidden() { (($(compass "$1") < 50)); }
likeRose() { (($(changed "$1" "$out/rose.png") < 50)); }
stereoShown() {
  (($(red "$1") > $(red "$out/still1.png") + 300 && $(cyan "$1") > $(cyan "$out/still1.png") + 300))
}
moved() { (($(changed "$out/moving0.png" "$1") > 1000)); }
steered() { (($(changed "$out/steer0.png" "$1") > 5000)); }
walked() { (($(changed "$out/walk0.png" "$1") > 1000)); }
centred() { (($(crosshair "$1") >= 2)); }
export out
export -f count changed panel compass red cyan crosshair helpShown hintShown ringShown compassHidden likeRose \
  stereoShown moved steered walked centred

# One session: still scene, help panel, compass modes, stereo, physics,
# bodies, mouse control (switched off, then lost when the window is
# minimized), keys released while the window is minimized, full screen left
# and resized and taken again, closing. "wait 1" between two shots is the
# time in which a view at rest must not change.
"$xrun" "$program" \
  fullscreen on title "$out/title" geometry "$out/geometry" \
  settle 50 shot "$out/still0.png" wait 1 shot "$out/still1.png" \
  key Tab until "$out/help.png" helpShown key Tab until "$out/hint.png" hintShown \
  settle 100 shot "$out/rose.png" key ctrl+j until "$out/ring.png" ringShown \
  key ctrl+j until "$out/nocompass.png" compassHidden key ctrl+j until "$out/rose2.png" likeRose \
  key ctrl+i until "$out/stereo.png" stereoShown key ctrl+i until "$out/mono.png" likeRose \
  key ctrl+p shot "$out/moving0.png" until "$out/moving1.png" moved \
  key space key space key space wait 2 alive shot "$out/bodies.png" \
  key ctrl+p settle 200 key ctrl+m move 900 384 shot "$out/steer0.png" until "$out/steer1.png" steered \
  key ctrl+m settle 50 shot "$out/off0.png" wait 1 shot "$out/off1.png" \
  key ctrl+m move 901 384 iconify settle 200 shot "$out/lost0.png" move 100 384 wait 1 shot "$out/lost1.png" \
  keydown w keydown Left shot "$out/walk0.png" until "$out/walk1.png" walked minimize keyup w keyup Left restore \
  settle 50 shot "$out/released0.png" wait 1 shot "$out/released1.png" \
  key ctrl+f fullscreen off geometry "$out/windowed" \
  resize 1000 700 until "$out/resized.png" centred geometry "$out/resized" \
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
# The picture follows the new size.
read -r w h _ <"$out/resized"
centre="$(crosshair "$out/resized.png")"
check "a window resized to 1000 x 700 (client ${w}x$h) is drawn to its new centre ($centre crosshair pixels)" \
  test "$w" -eq 1000 -a "$h" -eq 700 -a "$centre" -ge 2
read -r w h sw sh _ <"$out/full"
check "Ctrl+F again returns to full screen (${w}x$h on ${sw}x$sh)" test "$w" -eq "$sw" -a "$h" -eq "$sh"

# The welcome text is drawn in (0.5, 1, 1): many cyan-white pixels.
text="$(count "$out/still0.png" 'R>40' 'G>90' 'B>90')"
check "the first frames show the welcome text ($text pixels)" gt "$text" 2000
still="$(changed "$out/still0.png" "$out/still1.png")"
check "without physics the scene stands still ($still pixels changed)" lt "$still" 50

p0="$(panel "$out/still1.png")" p1="$(panel "$out/help.png")" p2="$(panel "$out/hint.png")"
check "Tab shows the help panel ($p0 -> $p1 panel pixels)" gt "$p1" $((p0 + 1000))
check "Tab again shows the hint ($p1 -> $p2)" lt "$p2" $((p0 + 200))

red="$(red "$out/stereo.png")" cyan="$(cyan "$out/stereo.png")"
red0="$(red "$out/still1.png")" cyan0="$(cyan "$out/still1.png")"
check "Ctrl+I separates red ($red0 -> $red) and cyan ($cyan0 -> $cyan) pixels" \
  test "$red" -gt $((red0 + 300)) -a "$cyan" -gt $((cyan0 + 300))
mono="$(changed "$out/rose.png" "$out/mono.png")"
check "Ctrl+I again draws one picture ($mono pixels differ from before)" lt "$mono" 50

moving="$(changed "$out/moving0.png" "$out/moving1.png")"
check "with Ctrl+P the picture changes over time ($moving pixels changed)" gt "$moving" 1000

rose="$(compass "$out/rose.png")" ring="$(compass "$out/ring.png")" none="$(compass "$out/nocompass.png")"
check "the rose is drawn at start ($rose compass pixels)" gt "$rose" 1000
check "Ctrl+J shows the ring ($ring pixels, the rose $rose)" test "$ring" -gt 500 -a $((rose - ring)) -gt 300
check "Ctrl+J again hides the compass ($none pixels)" lt "$none" 50
back="$(changed "$out/rose.png" "$out/rose2.png")"
check "a third Ctrl+J brings the rose back ($back pixels differ)" lt "$back" 50

# Ctrl+M: the pointer right of the centre turns the view for as long as the
# mouse control is on. Switching it off stops the turn without a move of the
# pointer. Minimizing the window takes the capture away, and then the view
# comes to rest (settle) and the pointer no longer steers.
steer="$(changed "$out/steer0.png" "$out/steer1.png")"
check "Ctrl+M steers the view with the pointer ($steer pixels changed)" gt "$steer" 5000
off="$(changed "$out/off0.png" "$out/off1.png")"
check "Ctrl+M again stops the turn ($off pixels changed in a second)" lt "$off" 100
lost="$(changed "$out/lost0.png" "$out/lost1.png")"
check "a lost capture ends the steering ($lost pixels changed by a move)" lt "$lost" 100

# W and Left held, the window minimized, the keys released elsewhere, the
# window back: the releases went to another window, and the camera must
# neither walk nor turn on. (The turn shows it: walking on alone would soon
# leave an empty view that looks still.)
walk="$(changed "$out/walk0.png" "$out/walk1.png")"
check "W and Left move the view ($walk pixels changed)" gt "$walk" 1000
released="$(changed "$out/released0.png" "$out/released1.png")"
check "keys released while the window is minimized stop the camera ($released pixels changed in a second)" \
  lt "$released" 100

finish
