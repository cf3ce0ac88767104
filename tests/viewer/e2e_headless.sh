#!/usr/bin/env bash
# Without a display, or on a display without OpenGL, each viewer says so in
# one line on standard error and fails cleanly.
#   e2e_headless.sh PROGRAM...
set -uo pipefail
failures=0

# expect_refusal WHAT WORD PROGRAM [ENV...]
expect_refusal() {
  local what="$1" word="$2" program="$3"
  shift 3
  local err status lines
  err="$(env "$@" timeout 60 "$program" 2>&1 >/dev/null)"
  status=$?
  lines="$(printf '%s\n' "$err" | grep -c .)"
  # 1 and 2 are ordinary failures; 124 a hang; 128 and above a signal.
  if ((status >= 1 && status < 124)) && ((lines == 1)) && [[ "$err" == *"$word"* ]]; then
    echo "ok   - $(basename "$program") $what: $err (status $status)"
  else
    echo "FAIL - $(basename "$program") $what: status $status, $lines line(s): $err"
    failures=$((failures + 1))
  fi
}

# A display number nobody serves.
closed=4999
while [[ -e /tmp/.X11-unix/X$closed ]]; do closed=$((closed + 1)); done
for program in "$@"; do
  expect_refusal "without a display" "no display" "$program" -u DISPLAY -u WAYLAND_DISPLAY
  expect_refusal "with a display that cannot be opened" "no display" "$program" -u WAYLAND_DISPLAY DISPLAY=":$closed"
done

# A virtual display without the GLX extension. Xvfb picks a free display
# number itself (claimed atomically, so parallel tests never share one) and
# writes it to descriptor 3 once it accepts connections.
numfile="$(mktemp)"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -extension GLX 3>"$numfile" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do
  grep -qx '[0-9][0-9]*' "$numfile" && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.2
done
n="$(cat "$numfile")"
rm -f "$numfile"
if [[ "$n" =~ ^[0-9]+$ ]] && xdpyinfo -display ":$n" >/dev/null 2>&1; then
  for program in "$@"; do
    expect_refusal "without OpenGL" "OpenGL" "$program" -u WAYLAND_DISPLAY DISPLAY=":$n"
  done
else
  echo "FAIL - could not start Xvfb"
  failures=$((failures + 1))
fi
kill "$xvfb_pid" 2>/dev/null
wait "$xvfb_pid" 2>/dev/null
((failures == 0))
