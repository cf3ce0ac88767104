#!/usr/bin/env bash
# End-to-end test of quorvexview on a virtual display:
#   e2e_quorvexview.sh PROGRAM XRUN
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/e2e_lib.sh"
program="$1" xrun="$2"
out="$(mktemp -d)"

# What the steps wait for, each tried on a fresh screenshot: what the
# checks below check.
turned() { (($(changed "$out/far1.png" "$1") > 800)); }
walked() { (($(changed "$out/turned.png" "$1") > 800)); }
physicsMoves() { (($(changed "$out/physics0.png" "$1") > 1500)); }
undrawnQuarter() {
  convert "$1" -crop 50%x50%+0+0 +repage "$1-quarter.png"
  count "$1-quarter.png" 'R<2' 'G<2' 'B<2'
}
scaledDrawn() { (($(undrawnQuarter "$1") < 1000)); }
export out
export -f count changed turned walked physicsMoves undrawnQuarter scaledDrawn

# The camera starts inside the lattice's first ball: back off (Shift+S held
# for a second) until the lattice is in view, then turn, walk, and run the
# physics. The camera coasts for a number of ticks after a key is released,
# which takes longer on a loaded machine: let it come to rest before the
# still shots. "wait" between two shots is the time in which a view at rest
# must not change.
"$xrun" "$program" \
  title "$out/title" geometry "$out/geometry" hints "$out/hints" position "$out/place" \
  keydown shift+s wait 1 keyup shift+s settle 200 shot "$out/far0.png" wait 2 shot "$out/far1.png" \
  drag 399 287 460 287 until "$out/turned.png" turned \
  keydown w until "$out/walked.png" walked keyup w settle 200 \
  key l shot "$out/physics0.png" until "$out/physics1.png" physicsMoves \
  key l settle 50 shot "$out/stopped0.png" wait 1.5 shot "$out/stopped1.png" \
  close
status=$?

# A scaled (high-DPI) desktop: the window counts twice as many pixels as
# its logical size, and each of its frames takes longer.
GDK_SCALE=2 XRUN_SCREEN=2048x1536 "$xrun" "$program" until "$out/scaled.png" scaledDrawn close
scaledStatus=$?

# Once more under a window manager that puts new windows in the top-left
# corner of the free area rather than in its centre.
mkdir -p "$out/wm/openbox"
sed 's|<center>yes</center>|<center>no</center>|' /etc/xdg/openbox/rc.xml >"$out/wm/openbox/rc.xml"
XDG_CONFIG_HOME="$out/wm" "$xrun" "$program" position "$out/place-corner"
cornerStatus=$?

check "the window closes with status 0" test "$status" -eq 0
check "the title is exact" test "$(cat "$out/title")" = "Projet Informatique Zarn 2011-2012"
read -r w h sw sh ow oh <"$out/geometry"
check "an 800 x 600 window, frame included (client ${w}x$h, outer ${ow}x$oh)" test "$ow" -eq 800 -a "$oh" -eq 600
check "not full screen (${w}x$h on ${sw}x$sh)" test "$w" -lt "$sw" -a "$h" -lt "$sh"
# Not centred by the program: it asks for no position, the window manager
# places it.
check "the window manager places the window" test -s "$out/hints" -a -z "$(grep 'specified location' "$out/hints")"
# The program may set its hints again once on screen, dropping a location
# it asked for at first: the place itself must follow the window manager's
# policy.
check "the window's place follows the window manager's policy ($(cat "$out/place") centred, $(cat "$out/place-corner") in the corner)" \
  test "$cornerStatus" -eq 0 -a -s "$out/place-corner" -a "$(cat "$out/place")" != "$(cat "$out/place-corner")"

# The balls are yellow (0.7, 0.7, 0).
balls="$(count "$out/far1.png" 'R>55' 'G>55' 'B<15')"
check "the lattice is drawn ($balls ball pixels)" gt "$balls" 300
still="$(changed "$out/far0.png" "$out/far1.png")"
# The camera's speed decays geometrically and never quite reaches 0, so a
# few pixels where the wire shells touch the solid spheres still flicker.
check "without input the view stands still ($still pixels changed)" lt "$still" 400
turned="$(changed "$out/far1.png" "$out/turned.png")"
check "dragging with the left button turns the view ($turned pixels changed)" gt "$turned" 800
walked="$(changed "$out/turned.png" "$out/walked.png")"
check "W moves the view ($walked pixels changed)" gt "$walked" 800
moving="$(changed "$out/physics0.png" "$out/physics1.png")"
check "L starts the physics ($moving pixels changed)" gt "$moving" 1500
stopped="$(changed "$out/stopped0.png" "$out/stopped1.png")"
check "L again stops it ($stopped pixels changed)" lt "$stopped" 50

check "a scaled window closes with status 0" test "$scaledStatus" -eq 0
# The picture covers the whole window: its top-left quarter holds no
# undrawn black.
black="$(undrawnQuarter "$out/scaled.png")"
check "a scaled window is drawn all over ($black undrawn pixels in its top-left quarter)" lt "$black" 1000

finish
