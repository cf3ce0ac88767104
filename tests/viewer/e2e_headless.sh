#!/usr/bin/env bash
# Without a display each viewer says so in one line and fails cleanly.
set -uo pipefail
failures=0
for program in "$@"; do
  err="$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" 2>&1 >/dev/null)"
  status=$?
  lines="$(printf '%s\n' "$err" | grep -c .)"
  # 1 and 2 are ordinary failures; 128 and above would be a signal.
  if ((status >= 1 && status < 128)) && ((lines == 1)) && [[ "$err" == *"no display"* ]]; then
    echo "ok   - $(basename "$program"): $err (status $status)"
  else
    echo "FAIL - $(basename "$program"): status $status, $lines line(s): $err"
    failures=$((failures + 1))
  fi
done
((failures == 0))
