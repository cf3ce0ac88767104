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
  echo "Installing missing packages: ${missing[*]}"
  local sudo=()
  if ((EUID != 0)); then sudo=(sudo); fi
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
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
