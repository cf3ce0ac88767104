#!/usr/bin/env bash
# Installs the build by the README's lines into a scratch prefix, moves the
# prefix elsewhere (an installed quorvex must not depend on where it was
# installed), checks what was installed, then runs the README's lines that
# build examples/orbit against it twice, with CMake and with pkg-config, and
# a program that draws from two threads under ThreadSanitizer.
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

# The README's own lines are run as they stand, from a working folder where
# build/ is the build tree and examples/ a copy of the sources', with
# cmake's folder first on PATH.
mkdir -p "$scratch/work" "$scratch/first" "$scratch/home"
ln -s "$build" "$scratch/work/build"
cp -R "$source/examples" "$scratch/work/examples"
# readme_run LOG HOME LINES [ENV...]: runs the lines in the working folder.
readme_run() {
  local log="$1" home="$2" lines="$3"
  shift 3
  (cd "$scratch/work" && env -u CMAKE_GENERATOR HOME="$home" PATH="$(dirname "$cmake"):$PATH" "$@" \
    bash -e -c "$lines") >"$scratch/$log" 2>&1 || { cat "$scratch/$log" >&2; fail "README.md: $lines"; }
}
# The README's line for installing the engine, of the form
# `cmake --install build --prefix "$HOME/quorvex"`.
engine_install="$(grep -o 'cmake --install build --prefix "$HOME/quorvex"' "$source/README.md" | head -n 1)"
[[ -n "$engine_install" ]] || fail "README.md no longer shows how to install the engine under \$HOME/quorvex"
readme_run install.log "$scratch/first" "$engine_install"
# ... and its line for installing everything, kept out of /usr/local by DESTDIR.
everything_install="$(grep -o '^cmake --install build --prefix /usr/local' "$source/README.md" | head -n 1)"
[[ -n "$everything_install" ]] || fail "README.md no longer shows how to install under /usr/local"
readme_run install-all.log "$scratch/first" "$everything_install" DESTDIR="$scratch/dest"
[[ -x "$scratch/dest/usr/local/bin/quorvexcli" ]] || fail "the install under /usr/local holds no bin/quorvexcli"
mv "$scratch/first/quorvex" "$scratch/home/quorvex"
prefix="$scratch/home/quorvex"
config="$prefix/lib/cmake/quorvex"

# Every header of an installed layer is either installed or internal on
# purpose (named here), and the installed tree holds no internal header and
# nothing else; every header the installed ones include ("layer/Name.h") is
# installed too.
internal=(bodies/BodyStep.h systems/Arena.h systems/PointerIndex.h render/Glyphs.h render/Quadric.h)
for name in "${internal[@]}"; do
  [[ -f "$source/$name" ]] || fail "$name is named internal in $0 but is no header of the source tree"
done
layers=(numerics bodies systems)
[[ "$render" == ON ]] && layers+=(render)
for layer in "${layers[@]}"; do
  for header in "$source/$layer"/*.h; do
    name="$layer/${header##*/}"
    if [[ " ${internal[*]} " == *" $name "* ]]; then
      [[ ! -e "$prefix/include/quorvex/$name" ]] || fail "the internal header $name is installed"
    else
      [[ -f "$prefix/include/quorvex/$name" ]] ||
        fail "header $name is not installed (list it in cmake/Package.cmake, or as internal in $0)"
    fi
  done
done
while read -r installed; do
  [[ -f "$source/$installed" ]] || fail "include/quorvex/$installed is installed but is no header of the source tree"
done < <(cd "$prefix/include/quorvex" && find . -type f | sed 's|^\./||')
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

# The example, built twice by the README's lines (with CMake and with
# pkg-config), with only what the test command installs at hand: a make
# (and gmake) that fails stands first on PATH, so a line that picks the
# Unix Makefiles generator fails here as on a machine without make.
orbit_lines="$(awk '/^## Use the engine in your own program/ { section = 1 }
  section && /^```sh$/ { inside = 1; next }
  inside && /^```$/ { exit }
  inside { print }' "$source/README.md")"
[[ -n "$orbit_lines" ]] || fail "README.md has no sh block under 'Use the engine in your own program'"
mkdir "$scratch/nomake"
for tool in make gmake smake; do
  printf '%s\n' '#!/bin/sh' "echo \"$tool is not installed\" >&2" 'exit 127' >"$scratch/nomake/$tool"
  chmod +x "$scratch/nomake/$tool"
done
readme_run orbit.log "$scratch/home" "$orbit_lines" PATH="$scratch/nomake:$(dirname "$cmake"):$PATH"
grep '^t = ' "$scratch/orbit.log" >"$scratch/orbit.out" || true
lines="$(wc -l <"$scratch/orbit.out")"
((lines == 50)) || fail "the README's lines printed $lines lines of state, not 25 from each build"
head -n 25 "$scratch/orbit.out" | cmp -s - <(tail -n 25 "$scratch/orbit.out") ||
  fail "the pkg-config build prints something else than the CMake build"
orbit="$scratch/work/build-orbit/orbit"
if ldd "$orbit" | grep -Ei 'libGL|libOSMesa|libwx|libgtk|libX11'; then
  fail "the example links a graphics library"
fi

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
flags="$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs quorvex)"
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

echo "ok   - installed, moved, and built the example against it by the README's lines:"
head -n 25 "$scratch/orbit.out"
