#!/usr/bin/env bash
# One entry point for building, running and testing quorvex.
#   scripts/dev.sh run    install what is missing, build, start quorvex
#   scripts/dev.sh test   install what is missing, build, run every test
#                         (then once more under ASan + UBSan)
#   scripts/dev.sh deps   only install the missing Debian packages
#   scripts/dev.sh build  only configure and build (build/)
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

deps() {
  local missing=()
  for p in "${packages[@]}"; do
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

build() {
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVEX_SANITIZE=OFF \
    -DQUORVEX_RENDER=ON -DQUORVEX_VIEWERS=ON -DQUORVEX_BENCH=ON >/dev/null
  cmake --build build -j "$jobs"
}

build_sanitized() {
  # The engine and drawing tests again, with AddressSanitizer and
  # UndefinedBehaviorSanitizer; the wx viewers are covered by build/.
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORVEX_SANITIZE=ON \
    -DQUORVEX_RENDER=ON -DQUORVEX_VIEWERS=OFF -DQUORVEX_BENCH=OFF >/dev/null
  cmake --build build-asan -j "$jobs"
}

check_format() {
  # The committed .clang-format is the layout of every C++ file.
  git ls-files -z '*.h' '*.cpp' | xargs -0 clang-format --dry-run --Werror
}

run_tests() {
  check_format
  build
  ctest --test-dir build --output-on-failure -j "$jobs"
  build_sanitized
  ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE e2e
}

case "${1:-}" in
  deps) deps ;;
  build) deps; build ;;
  run)
    deps
    build
    if [[ -x build/bin/quorvex ]]; then exec build/bin/quorvex; fi
    echo "quorvex is not built yet; running the console program instead." >&2
    exec build/bin/quorvexcli
    ;;
  test) deps; run_tests ;;
  *)
    echo "usage: scripts/dev.sh run|test|build|deps" >&2
    exit 2
    ;;
esac
