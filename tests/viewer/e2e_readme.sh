#!/usr/bin/env bash
# The README's lines that drive a viewer on a virtual display, run as they
# stand from a folder where scripts/ and build/ are this tree's: each ends
# with status 0 and writes the screenshots it names.
#   e2e_readme.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/e2e_lib.sh"
source="$1" build="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
ln -s "$source/scripts" "$work/scripts"
ln -s "$build" "$work/build"

mapfile -t lines < <(awk '/^```sh$/ { inside = 1; next } /^```$/ { inside = 0 } inside' "$source/README.md" |
  grep '^scripts/xrun.sh ')
check "README.md shows how to drive a viewer with scripts/xrun.sh" test "${#lines[@]}" -gt 0
for line in "${lines[@]}"; do
  (cd "$work" && bash -e -c "$line")
  check "exits with status 0: $line" test $? -eq 0
  for shot in $(grep -o 'shot [^ ]*' <<<"$line" | cut -d' ' -f2); do
    check "writes $shot: $line" test -s "$work/$shot"
  done
done
((failures == 0))
