# Helpers of the end-to-end viewer tests (sourced). Images are PNG
# screenshots taken by scripts/xrun.sh; pixel tests use ImageMagick.

# count FILE COND...: the number of pixels meeting every condition, each
# written CHANNEL OP PERCENT with CHANNEL R, G or B and OP > or <, e.g.
# count shot.png 'R>40' 'G<25'.
count() {
  local file="$1" c ch op v
  shift
  local args=()
  for c in "$@"; do
    ch="${c:0:1}" op="${c:1:1}" v="${c:2}"
    if [[ "$op" == ">" ]]; then
      args+=("(" "$file" -channel "$ch" -separate +channel -threshold "$v%" ")")
    else
      args+=("(" "$file" -channel "$ch" -separate +channel -negate -threshold "$((100 - v))%" ")")
    fi
  done
  convert "${args[@]}" -evaluate-sequence min -format '%[fx:round(mean*w*h)]' info:
}

# changed A B: the number of pixels that differ by more than 3 %.
changed() {
  compare -metric AE -fuzz 3% "$1" "$2" null: 2>&1 || true
}

failures=0
# check DESCRIPTION TEST...: runs the test command, reports, counts failures.
check() {
  local what="$1"
  shift
  if "$@"; then
    echo "ok   - $what"
  else
    echo "FAIL - $what"
    failures=$((failures + 1))
  fi
}

# Numeric comparisons usable with check.
gt() { (($1 > $2)); }
lt() { (($1 < $2)); }

finish() {
  if ((failures > 0)); then
    echo "$failures check(s) failed; screenshots kept in $out"
    exit 1
  fi
  rm -rf "$out"
}
