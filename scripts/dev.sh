#!/usr/bin/env bash
# One entry point for building, running and testing quorvex.
#   scripts/dev.sh run      install what is missing, build quorvex (and only
#                           what it needs), start it
#   scripts/dev.sh test     install what is missing, build, run every test
#                           (then once more under ASan + UBSan)
#   scripts/dev.sh package  install what is missing, build, write the Debian
#                           packages build/quorvex_<version>_amd64.deb and
#                           build/quorvex-dev_<version>_amd64.deb
#   scripts/dev.sh deps     only install the missing Debian packages
#   scripts/dev.sh build    only configure and build (build/)
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs="$(nproc 2>/dev/null || echo 2)"

packages=(
  g++ cmake ninja-build pkg-config clang-format
  libgtest-dev libbenchmark-dev
  libwxgtk3.2-dev libglu1-mesa-dev libosmesa6-dev libx11-dev
  xvfb xauth xdotool openbox x11-utils imagemagick
)
# The test and package commands also make and check the Debian packages.
packaging=(dpkg-dev lintian desktop-file-utils man-db)

# deps PACKAGE...: installs those that are missing.
deps() {
  local missing=()
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
      missing+=("$p")
    fi
  done
  if ((${#missing[@]} == 0)); then
    return 0
  fi
  local sudo=()
  if ((EUID != 0)); then
    if ! command -v sudo >/dev/null; then
      echo "scripts/dev.sh: these packages are missing: ${missing[*]}" >&2
      echo "Install them as root with:" >&2
      echo "  apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
      exit 1
    fi
    # Asks for the password now, in the open, or says why it cannot.
    sudo -v
    sudo=(sudo)
  fi
  # The first run installs a few hundred packages; their set-up goes to a
  # log, of which the end is shown when something fails. The packages'
  # recommendations (documentation, extra fonts and image formats, ...) are
  # not needed to build or test.
  mkdir -p build
  local log="build/apt-get.log"
  echo "Installing ${#missing[@]} missing packages (this takes a few minutes; log: $log): ${missing[*]}"
  if ! { "${sudo[@]}" apt-get update -q &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    echo "scripts/dev.sh: installing the packages failed; the end of $log:" >&2
    tail -n 25 "$log" >&2
    exit 1
  fi
}

configure() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEX_SANITIZE=OFF \
    -DQUORVEX_RENDER=ON -DQUORVEX_VIEWERS=ON -DQUORVEX_BENCH=ON >/dev/null
}

# build [TARGET...]: everything, or only the targets named and what they need.
build() {
  local targets=()
  (($# == 0)) || targets=(--target "$@")
  configure && cmake --build build -j "$jobs" "${targets[@]}"
}

package() {
  build && cpack --config build/CPackConfig.cmake -B build
}

build_sanitized() {
  # The engine and drawing tests again, with AddressSanitizer and
  # UndefinedBehaviorSanitizer; the wx viewers are covered by build/.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEX_SANITIZE=ON \
    -DQUORVEX_RENDER=ON -DQUORVEX_VIEWERS=OFF -DQUORVEX_BENCH=OFF >/dev/null &&
    cmake --build build-asan -j "$jobs"
}

check_format() {
  # The committed .clang-format is the layout of every C++ file.
  git ls-files -z '*.h' '*.cpp' | xargs -0 clang-format --dry-run --Werror
}

test_plain() {
  ctest --test-dir build --output-on-failure -j "$jobs"
}

test_sanitized() {
  ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE e2e
}

# Every stage runs even when an earlier one failed (a stage whose build
# failed is reported as not run), so one failure does not hide the others;
# the summary at the end lists each stage, with ctest's own count, and the
# command fails when any stage did. Stages are called in an `if`, where
# `set -e` does not apply: each stage chains its commands with &&.
summary=()
failed=0
stage() {
  local name="$1" log
  shift
  log="$(mktemp)"
  echo "==> $name"
  local status=0
  "$@" 2>&1 | tee "$log" || status=$?
  local counts
  counts="$(grep -E '^[0-9]+% tests passed' "$log" | tail -n 1 || true)"
  rm -f "$log"
  if ((status == 0)); then
    summary+=("ok      $name${counts:+: $counts}")
  else
    summary+=("FAILED  $name (status $status)${counts:+: $counts}")
    failed=1
  fi
  return "$status"
}
not_run() {
  summary+=("FAILED  $1 (not run: $2)")
  failed=1
}

run_tests() {
  stage "format check" check_format || true
  if stage "build (build/)" build; then
    # The README's package command as it stands there.
    stage "Debian packages (build/)" "$root/scripts/dev.sh" package || true
    stage "unit, end-to-end, install and package tests (build/)" test_plain || true
  else
    not_run "Debian packages (build/)" "the build failed"
    not_run "unit, end-to-end, install and package tests (build/)" "the build failed"
  fi
  if stage "ASan + UBSan build (build-asan/)" build_sanitized; then
    stage "unit tests under ASan + UBSan (build-asan/)" test_sanitized || true
  else
    not_run "unit tests under ASan + UBSan (build-asan/)" "the build failed"
  fi
  echo
  echo "==> summary"
  printf '  %s\n' "${summary[@]}"
  if ((failed)); then
    echo "scripts/dev.sh test: some stages failed (above)." >&2
    return 1
  fi
  echo "scripts/dev.sh test: every stage passed."
}

case "${1:-}" in
  deps) deps "${packages[@]}" "${packaging[@]}" ;;
  build) deps "${packages[@]}"; build ;;
  run)
    deps "${packages[@]}"
    # The first picture as soon as the viewer is built: no test or
    # benchmark program is compiled before it.
    build quorvex
    exec build/bin/quorvex
    ;;
  test) deps "${packages[@]}" "${packaging[@]}"; run_tests ;;
  package) deps "${packages[@]}" "${packaging[@]}"; package ;;
  *)
    echo "usage: scripts/dev.sh run|test|package|build|deps" >&2
    exit 2
    ;;
esac
