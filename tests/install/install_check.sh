#!/usr/bin/env bash
# Installs the build into a scratch prefix, moves the prefix elsewhere (an
# installed quorvex must not depend on where it was installed), checks what
# was installed, then builds examples/orbit against it twice, with CMake and
# with pkg-config, and runs it, and a program that draws from two threads
# under ThreadSanitizer.
#   install_check.sh BUILD_DIR SOURCE_DIR CMAKE GENERATOR CXX RENDER(ON|OFF)
set -euo pipefail
build="$1" source="$2" cmake="$3" generator="$4" cxx="$5" render="$6"

scratch="$(mktemp -d "${TMPDIR:-/tmp}/quorvex-install.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL - $*" >&2
  exit 1
}
# quiet LOG COMMAND...: runs the command, shows its output only on failure.
quiet() {
  local log="$1"
  shift
  "$@" >"$scratch/$log" 2>&1 || { cat "$scratch/$log" >&2; fail "$*"; }
}

quiet install.log "$cmake" --install "$build" --prefix "$scratch/first"
mv "$scratch/first" "$scratch/prefix"
prefix="$scratch/prefix"
config="$prefix/lib/cmake/quorvex"

# Every header of the installed layers is there, and every header they
# include ("layer/Name.h") is installed too.
layers=(numerics bodies systems)
[[ "$render" == ON ]] && layers+=(render)
for layer in "${layers[@]}"; do
  for header in "$source/$layer"/*.h; do
    [[ -f "$prefix/include/quorvex/$layer/${header##*/}" ]] || fail "header $layer/${header##*/} is not installed"
  done
done
while read -r included; do
  [[ -f "$prefix/include/quorvex/$included" ]] || fail "installed headers include $included, which is not installed"
done < <(cat "$prefix"/include/quorvex/*/*.h | sed -n 's/^#include "\(.*\)"/\1/p' | sort -u)
for file in "$config/quorvexConfig.cmake" "$config/quorvexConfigVersion.cmake" "$config/quorvexTargets.cmake" \
  "$prefix/lib/pkgconfig/quorvex.pc" "$prefix/lib/libquorvex_numerics.a" "$prefix/lib/libquorvex_bodies.a" \
  "$prefix/lib/libquorvex_systems.a"; do
  [[ -f "$file" ]] || fail "${file#"$prefix"/} is not installed"
done

# The benchmark scenes stay in the build tree.
if grep -rl -e buildFallingLattice -e buildChargeCloud "$prefix/lib" "$prefix/include"; then
  fail "the files above hold the benchmark scenes"
fi

# No installed text file names the source tree, the build tree or the
# prefix it was installed to.
if grep -rlI -e "$source" -e "$build" -e "$scratch" "$prefix/lib" "$prefix/include"; then
  fail "the files above hold an absolute path"
fi

# The engine pulls in no graphics or window library.
if grep -Ein 'opengl|glu|glx|osmesa|wx|gtk|x11' "$config/quorvexTargets.cmake" "$prefix/lib/pkgconfig/quorvex.pc"; then
  fail "quorvex::engine or quorvex.pc links a graphics library (lines above)"
fi

# The example, with CMake.
quiet configure.log "$cmake" -S "$source/examples/orbit" -B "$scratch/orbit" -G "$generator" \
  -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_PREFIX_PATH="$prefix"
quiet build.log "$cmake" --build "$scratch/orbit"
"$scratch/orbit/orbit" >"$scratch/orbit.out" || fail "the example exits with status $?"
if ldd "$scratch/orbit/orbit" | grep -Ei 'libGL|libOSMesa|libwx|libgtk|libX11'; then
  fail "the example links a graphics library"
fi
lines="$(grep -c '^t = ' "$scratch/orbit.out")"
((lines == 25)) || fail "the example printed $lines lines of state, not 25"

# The example again, with pkg-config: the same output.
flags="$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs quorvex)"
# shellcheck disable=SC2086 # the flags are words
quiet pkg-config.log "$cxx" -std=c++17 "$source/examples/orbit/orbit.cpp" $flags -o "$scratch/orbit-pc"
"$scratch/orbit-pc" | cmp -s - "$scratch/orbit.out" || fail "the pkg-config build prints something else"

# A program of one's own keeps the C library's rand(): linking the engine
# replaces neither it nor srand(). Two threads draw at once under
# ThreadSanitizer; rand() shares its generator with random(), as only the C
# library's does; and a draw of amplitude 0 still consumes its values.
cat >"$scratch/draws.cpp" <<'CPP'
#include <cstdlib>
#include <thread>
#include "numerics/Rand.h"
int main() {
    auto draw = [] { for (int i = 0; i < 100000; ++i) std::rand(); };
    std::thread a(draw), b(draw);
    a.join();
    b.join();
    std::srand(5);
    int const first = std::rand();
    std::rand();
    std::rand();
    int const fourth = std::rand();
    srandom(5);
    if (std::rand() != first) return 2;
    randVect(0.0, 2);
    return std::rand() == fourth ? 0 : 3;
}
CPP
# shellcheck disable=SC2086 # the flags are words
quiet tsan-build.log "$cxx" -std=c++17 -fsanitize=thread -g "$scratch/draws.cpp" $flags -pthread -o "$scratch/draws"
status=0
TSAN_OPTIONS=halt_on_error=1 "$scratch/draws" >"$scratch/draws.log" 2>&1 || status=$?
((status == 0)) || { cat "$scratch/draws.log" >&2; fail "the drawing program exits with status $status" \
  "(2: its rand() is not the C library's, 3: a zero draw consumes nothing, 66: ThreadSanitizer)"; }

# The drawing layer as a second component.
if [[ "$render" == ON ]]; then
  mkdir "$scratch/draw"
  cat >"$scratch/draw/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.16)
project(draw LANGUAGES CXX)
find_package(quorvex 0.1 REQUIRED COMPONENTS render)
add_executable(draw draw.cpp)
target_link_libraries(draw PRIVATE quorvex::render)
CMAKE
  printf '%s\n' '#include "render/Camera.h"' 'int main() { return hyperbolicLimit(1.0, 2.0) > 0 ? 0 : 1; }' \
    >"$scratch/draw/draw.cpp"
  quiet draw-configure.log "$cmake" -S "$scratch/draw" -B "$scratch/draw/build" -G "$generator" \
    -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_PREFIX_PATH="$prefix"
  quiet draw-build.log "$cmake" --build "$scratch/draw/build"
fi

# A version it does not offer is refused.
mkdir "$scratch/newer"
printf '%s\n' 'cmake_minimum_required(VERSION 3.16)' 'project(newer NONE)' 'find_package(quorvex 0.2 REQUIRED)' \
  >"$scratch/newer/CMakeLists.txt"
if "$cmake" -S "$scratch/newer" -B "$scratch/newer/build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null 2>&1; then
  fail "find_package(quorvex 0.2) accepts version 0.1"
fi

echo "ok   - installed, moved, and built the example against it:"
cat "$scratch/orbit.out"
