#!/usr/bin/env bash
# Runs a viewer on a virtual display (Xvfb) with a window manager (openbox),
# drives it with xdotool and saves screenshots with ImageMagick.
#
#   scripts/xrun.sh PROGRAM [STEP...]
#
# Steps, run in order once the viewer's window is on screen and painted.
# A step that waits for a condition gives up after XRUN_TIMEOUT seconds with
# a warning on standard error and the steps go on: the test's own checks
# then say what did not happen. A loaded machine only makes the steps slower.
#   wait SECONDS        sleep (an observation time: "still after a second")
#   key KEYS            xdotool key names to the window, e.g. ctrl+p, Tab, space
#   keydown KEY / keyup KEY
#   move X Y            pointer to (X, Y) inside the window
#   drag X1 Y1 X2 Y2    left button pressed at (X1, Y1), moved to (X2, Y2)
#                       30 times over about a second (a viewer that warps
#                       the pointer back sees 30 moves), then released
#   shot FILE           screenshot of the window (PNG)
#   settle PIXELS       screenshots one second apart until two in a row differ
#                       in fewer than PIXELS pixels (the view has come to
#                       rest, however slowly a loaded machine ticks)
#   until FILE TEST     screenshots into FILE until the command TEST FILE
#                       succeeds. TEST is typically a shell function the
#                       test exported (export -f); it sees the window's id
#                       and the program's process id in XRUN_WINDOW and
#                       XRUN_PID
#   size W H            wait until the window's client area is W x H
#   geometry FILE       write "WIDTH HEIGHT SCREENW SCREENH OUTERW OUTERH": the
#                       window's client size, the screen's, and the window's
#                       size with the window manager's frame
#   fullscreen on|off   wait until the window covers the screen (on) or no
#                       longer does (off), and its size has stopped changing
#   resize W H          resize the window's client area to W x H
#   iconify             minimize the window, then bring it back and focus it
#   minimize / restore  the two halves of iconify
#   title FILE          write the window's title
#   position FILE       write "X Y": the top-left corner of the window's
#                       client area on the screen
#   hints FILE          write the window's size hints (WM_NORMAL_HINTS as
#                       xprop prints them): they say whether the program
#                       asked for a position of its own
#   alive               fail unless the program still runs
#   request W H         ask for a window of W x H pixels without waiting for
#                       it (the program or the window manager may cap it)
#   place X Y           move the window to (X, Y) on the screen
#   rss FILE            append the program's resident memory (VmRSS, kB)
#   close               close the window through the window manager and wait
#                       for the program to end
#   closetime FILE      close, and write how many seconds the program took
#                       to end after the first request
#
# Example, a look at quorvex without a desktop:
#   scripts/xrun.sh build/bin/quorvex wait 2 shot /tmp/quorvex.png close
#
# The exit status is the program's when it was closed, 0 when it is still
# running at the end (it is then stopped), and non-zero when a step fails.
# XRUN_TIMEOUT (seconds, default 60) bounds each wait for the window, the
# program or a condition; XRUN_SCREEN sets the screen size (default 1024x768).
set -euo pipefail

if (($# < 1)); then
  # This comment block, without its first line.
  awk 'NR > 1 && !/^#/ { exit } NR > 1 { sub(/^# ?/, ""); print }' "$0" >&2
  exit 2
fi
program="$1"
shift
title="Projet Informatique Zarn 2011-2012"
timeout="${XRUN_TIMEOUT:-60}"
screen="${XRUN_SCREEN:-1024x768}"

for tool in Xvfb openbox xdotool import compare xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "xrun: $tool is missing (scripts/dev.sh deps installs it)" >&2; exit 2; }
done

xvfb_pid="" wm_pid="" app_pid="" workdir="$(mktemp -d)"
cleanup() {
  for pid in $app_pid $wm_pid $xvfb_pid; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in $app_pid $wm_pid $xvfb_pid; do
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$workdir"
}
trap cleanup EXIT

fail() {
  echo "xrun: $*" >&2
  exit 1
}

warn() {
  echo "xrun: $*" >&2
}

# Polls "$@" every 0.2 s until it succeeds or the timeout passes.
poll() {
  local end=$((SECONDS + timeout))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < end)) || return 1
    sleep 0.2
  done
}

# The window's client size, "WxH".
client_size() {
  xdotool getwindowgeometry --shell "$window" | awk -F= '/^(WIDTH|HEIGHT)=/ { printf "%s%s", $2, (/^W/ ? "x" : "") }'
}

# Asks the window manager to close the window and waits for the program to
# end. --sync waits for the window manager without a limit of its own. On a
# loaded machine the window may not be active yet when the key comes, and
# the window manager then closes nothing: ask again every 10 s while the
# window is still on screen. Sets status_of_exit and closed_after (seconds).
close_window() {
  local end=$((SECONDS + timeout)) again=0 start
  start="$(date +%s.%N)"
  while kill -0 "$app_pid" 2>/dev/null; do
    ((SECONDS < end)) || fail "the program did not end after its window was closed"
    if ((SECONDS >= again)) && [[ "$(xwininfo -id "$window" 2>/dev/null)" == *IsViewable* ]]; then
      timeout 10 xdotool windowactivate --sync "$window" 2>/dev/null || true
      xdotool key --clearmodifiers alt+F4
      again=$((SECONDS + 10))
    fi
    sleep 0.1
  done
  closed_after="$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')"
  set +e
  wait "$app_pid"
  status_of_exit=$?
  set -e
  app_pid=""
}

# Xvfb picks a free display number itself and writes it to descriptor 3
# once it accepts connections: it claims the number atomically, so viewers
# started side by side (parallel tests) never share a display.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset 3>"$workdir/display" >"$workdir/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local end=$((SECONDS + timeout))
  until grep -qx '[0-9][0-9]*' "$workdir/display" 2>/dev/null; do
    kill -0 "$xvfb_pid" 2>/dev/null || fail "cannot start Xvfb: $(tail -n 1 "$workdir/xvfb.log")"
    ((SECONDS < end)) || fail "Xvfb did not start"
    sleep 0.1
  done
  export DISPLAY=":$(cat "$workdir/display")"
  poll xdpyinfo || fail "cannot reach Xvfb on $DISPLAY"
}

start_xvfb
unset WAYLAND_DISPLAY
openbox --sm-disable >"$workdir/openbox.log" 2>&1 &
wm_pid=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }
if command -v xprop >/dev/null; then
  poll wm_running || fail "openbox did not start"
fi

"$program" &
app_pid=$!

# The window: found by its exact title, then painted (not uniformly one
# colour) before the steps begin.
window=""
find_window() {
  kill -0 "$app_pid" 2>/dev/null || fail "the program ended before its window appeared"
  window="$(xdotool search --onlyvisible --name "^${title}\$" | head -n 1)"
  [[ -n "$window" ]]
}
poll find_window || fail "no window titled '$title' appeared"
painted() {
  import -silent -window "$window" "$workdir/first.png" &&
    [[ "$(convert "$workdir/first.png" -format '%[fx:standard_deviation>0.005]' info:)" == 1 ]]
}
poll painted || fail "the window stays blank"

status_of_exit=""
while (($# > 0)); do
  step="$1"
  shift
  case "$step" in
    wait) sleep "$1"; shift ;;
    key) xdotool key --clearmodifiers --delay 60 "$1"; shift ;;
    keydown) xdotool keydown "$1"; shift ;;
    keyup) xdotool keyup "$1"; shift ;;
    move) xdotool mousemove --window "$window" "$1" "$2"; shift 2 ;;
    drag)
      # Moves alternate between two neighbouring points, so each is a real
      # move even when the viewer has not warped the pointer back yet.
      moves=()
      for i in $(seq 30); do
        moves+=(mousemove --window "$window" "$(($3 + i % 2))" "$4" sleep 0.02)
      done
      xdotool mousemove --window "$window" "$1" "$2" mousedown 1 "${moves[@]}" mouseup 1
      shift 4
      ;;
    shot) import -silent -window "$window" "$1"; shift ;;
    settle)
      end=$((SECONDS + timeout))
      import -silent -window "$window" "$workdir/settle0.png"
      while :; do
        sleep 1
        import -silent -window "$window" "$workdir/settle1.png"
        diff="$(compare -metric AE -fuzz 3% "$workdir/settle0.png" "$workdir/settle1.png" null: 2>&1 || true)"
        [[ "$diff" =~ ^[0-9]+$ ]] && ((diff < $1)) && break
        if ((SECONDS >= end)); then
          warn "the view did not come to rest in $timeout s ($diff pixels still change)"
          break
        fi
        mv "$workdir/settle1.png" "$workdir/settle0.png"
      done
      shift
      ;;
    until)
      export XRUN_WINDOW="$window" XRUN_PID="$app_pid"
      end=$((SECONDS + timeout))
      until import -silent -window "$window" "$1" && "$2" "$1"; do
        if ((SECONDS >= end)); then
          warn "'$2' did not hold within $timeout s"
          break
        fi
        sleep 0.3
      done
      shift 2
      ;;
    size)
      size_is() { [[ "$(client_size)" == "$1" ]]; }
      poll size_is "$1x$2" || warn "the window did not reach $1 x $2 in $timeout s (it is $(client_size))"
      shift 2
      ;;
    geometry)
      eval "$(xdotool getwindowgeometry --shell "$window")"
      read -r l r t b < <(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*=//; s/,/ /g' | awk 'NF == 4' || true)
      echo "$WIDTH $HEIGHT $(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')" \
        "$((WIDTH + ${l:-0} + ${r:-0})) $((HEIGHT + ${t:-0} + ${b:-0}))" >"$1"
      shift
      ;;
    fullscreen)
      screen_size="$(xdpyinfo | awk '/dimensions:/ { print $2 }')"
      covers() { [[ "$(client_size)" == "$screen_size" ]]; }
      uncovers() { ! covers; }
      if [[ "$1" == on ]]; then poll covers; else poll uncovers; fi ||
        warn "the window did not turn full screen $1 in $timeout s"
      end=$((SECONDS + timeout)) size="$(client_size)"
      while sleep 1 && [[ "$(client_size)" != "$size" ]]; do
        if ((SECONDS >= end)); then
          warn "the window keeps changing size"
          break
        fi
        size="$(client_size)"
      done
      shift
      ;;
    resize) timeout "$timeout" xdotool windowsize --sync "$window" "$1" "$2" || fail "cannot resize to $1 x $2"; shift 2 ;;
    iconify)
      timeout "$timeout" xdotool windowminimize --sync "$window" || fail "cannot minimize the window"
      timeout "$timeout" xdotool windowactivate --sync "$window" || fail "cannot bring the window back"
      ;;
    minimize) timeout "$timeout" xdotool windowminimize --sync "$window" || fail "cannot minimize the window" ;;
    restore) timeout "$timeout" xdotool windowactivate --sync "$window" || fail "cannot bring the window back" ;;
    title) xdotool getwindowname "$window" >"$1"; shift ;;
    position) xwininfo -id "$window" | awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { print x, $NF }' >"$1"; shift ;;
    hints) xprop -id "$window" WM_NORMAL_HINTS >"$1"; shift ;;
    alive) kill -0 "$app_pid" 2>/dev/null || fail "the program has ended" ;;
    request) xdotool windowsize "$window" "$1" "$2"; shift 2 ;;
    place) xdotool windowmove "$window" "$1" "$2"; shift 2 ;;
    rss) awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status" >>"$1" || fail "the program has ended"; shift ;;
    close) close_window ;;
    closetime)
      close_window
      echo "$closed_after" >"$1"
      shift
      ;;
    *) fail "unknown step '$step'" ;;
  esac
done

if [[ -n "$status_of_exit" ]]; then
  exit "$status_of_exit"
fi
kill -0 "$app_pid" 2>/dev/null || fail "the program has ended"
exit 0
