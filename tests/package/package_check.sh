#!/usr/bin/env bash
# Makes the Debian packages into a scratch folder (the build tree is only
# read), checks them with lintian, lists and unpacks them, runs the unpacked
# programs, and resolves their installation with apt-get --simulate. Nothing
# is installed on the machine. The README's Install lines are checked
# against what is tested here.
#   package_check.sh BUILD_DIR SOURCE_DIR CPACK VERSION XRUN
set -euo pipefail
build="$1" source="$2" cpack="$3" version="$4" xrun="$5"

scratch="$(mktemp -d "${TMPDIR:-/tmp}/quorvex-package.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL - $*" >&2
  exit 1
}
ok() { echo "ok   - $*"; }
# quiet LOG COMMAND...: runs the command, shows its output only on failure.
quiet() {
  local log="$1"
  shift
  "$@" >"$scratch/$log" 2>&1 || { cat "$scratch/$log" >&2; fail "$*"; }
}

arch="$(dpkg --print-architecture)"
deb="quorvex_${version}_${arch}.deb" dev="quorvex-dev_${version}_${arch}.deb"
quiet cpack.log "$cpack" --config "$build/CPackConfig.cmake" -B "$scratch/out"
for file in "$deb" "$dev"; do
  [[ -f "$scratch/out/$file" ]] || fail "cpack made no $file: $(ls "$scratch/out")"
done
ok "cpack made $deb and $dev"

# No error; every warning kept is named in the README, with its reason.
status=0
lintian --fail-on error "$scratch/out/$deb" "$scratch/out/$dev" >"$scratch/lintian.log" 2>&1 || status=$?
cat "$scratch/lintian.log"
((status == 0)) || fail "lintian reports errors (above)"
while read -r tag; do
  grep -q -- "$tag" "$source/README.md" || fail "lintian warns $tag, which README.md does not explain"
done < <(sed -n 's/^W: [^ ]*: \([a-z0-9-]*\).*/\1/p' "$scratch/lintian.log" | sort -u)
ok "lintian: no error, every warning explained in README.md"

# The programs' package: what it holds, and dependencies found by
# dpkg-shlibdeps (none are written by hand).
dpkg-deb --contents "$scratch/out/$deb" | awk '{ print $6 }' | sed 's|^\./||' >"$scratch/contents"
dpkg-deb --contents "$scratch/out/$dev" | awk '{ print $6 }' | sed 's|^\./||' >"$scratch/dev-contents"
for path in usr/bin/quorvex usr/bin/quorvexlight usr/bin/quorvexview usr/bin/quorvexcli usr/bin/tabshim \
  "usr/bin/[kelvo]" usr/share/applications/quorvex.desktop usr/share/applications/quorvexlight.desktop \
  usr/share/applications/quorvexview.desktop usr/share/icons/hicolor/scalable/apps/quorvex.svg \
  usr/share/man/man1/quorvex.1.gz usr/share/man/man1/quorvexlight.1.gz usr/share/man/man1/quorvexview.1.gz \
  usr/share/man/man1/quorvexcli.1.gz usr/share/man/man1/tabshim.1.gz "usr/share/man/man1/[kelvo].1.gz" \
  usr/share/doc/quorvex/copyright usr/share/doc/quorvex/changelog.gz; do
  grep -qxF "$path" "$scratch/contents" || fail "$deb holds no $path"
done
for path in usr/include/quorvex/systems/System.h usr/lib/libquorvex_systems.a usr/lib/pkgconfig/quorvex.pc \
  usr/lib/cmake/quorvex/quorvexConfig.cmake usr/share/doc/quorvex-dev/copyright; do
  grep -qxF "$path" "$scratch/dev-contents" || fail "$dev holds no $path"
done
if grep -E '^usr/(include|lib)/' "$scratch/contents"; then fail "$deb holds the development files above"; fi
ok "dpkg-deb --contents: programs, menu entries, icon, manual pages; the engine in $dev"
depends="$(dpkg-deb --field "$scratch/out/$deb" Depends)"
for library in libc6 libstdc++6 libwxgtk3.2 libx11-6; do
  [[ "$depends" == *"$library"* ]] || fail "$deb does not depend on $library: $depends"
done
[[ -n "$(dpkg-deb --field "$scratch/out/$deb" Installed-Size)" ]] || fail "$deb has no Installed-Size"
ok "Depends: $depends"

root="$scratch/root"
dpkg-deb -x "$scratch/out/$deb" "$root"
dpkg-deb -x "$scratch/out/$dev" "$root"

# The changelog's newest entry is this version.
zcat "$root/usr/share/doc/quorvex/changelog.gz" >"$scratch/changelog"
logged="$(dpkg-parsechangelog -l "$scratch/changelog" -S Version)"
[[ "$logged" == "$version" ]] || fail "the changelog's newest entry is $logged, the package $version"

# The menu entries are valid and start programs the package holds.
for entry in "$root"/usr/share/applications/*.desktop; do
  out="$(desktop-file-validate "$entry" 2>&1)" || true
  [[ -z "$out" ]] || fail "desktop-file-validate: $out"
  program="$(sed -n 's/^Exec=//p' "$entry")" icon="$(sed -n 's/^Icon=//p' "$entry")"
  [[ -x "$root/usr/bin/$program" ]] || fail "${entry##*/} starts $program, which the package does not hold"
  [[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ]] || fail "${entry##*/} shows icon $icon, not installed"
done
ok "desktop-file-validate is silent on the three entries"

# Every page renders without a warning from man or groff.
for page in "$root"/usr/share/man/man1/*.1.gz; do
  out="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)" || fail "man -l $page fails"
  [[ -z "$out" ]] || fail "man -l ${page##*/} warns: $out"
done
ok "man -l renders every page without a warning"

# The unpacked programs: quorvexcli prints what the build's does, [kelvo]
# is quorvex, and quorvex opens its window.
cmp -s <("$root/usr/bin/quorvexcli") <("$build/bin/quorvexcli") || fail "the unpacked quorvexcli prints other text"
cmp -s "$root/usr/bin/quorvex" "$root/usr/bin/[kelvo]" || fail "[kelvo] is not the packaged quorvex"
XRUN_TIMEOUT=180 "$xrun" "$root/usr/bin/quorvex" title "$scratch/title" close ||
  fail "the unpacked quorvex did not open its window and end with status 0 when it was closed"
[[ "$(cat "$scratch/title")" == "Projet Informatique Zarn 2011-2012" ]] || fail "window title: $(cat "$scratch/title")"
ok "unpacked: quorvexcli prints as the build's, quorvex opens 'Projet Informatique Zarn 2011-2012'"

# apt-get resolves the packages' dependencies from the machine's lists.
quiet apt.log apt-get install --simulate "$scratch/out/$deb" "$scratch/out/$dev"
ok "apt-get install --simulate resolves: $(grep -c '^Inst ' "$scratch/apt.log" || true) packages to install"

# The README's Install lines name these packages and pages: the package
# command writes this file, apt installs and removes this package, and
# man finds the page.
install_lines="$(awk '/^## Install/ { section = 1 }
  section && /^```sh$/ { inside = 1; next }
  inside && /^```$/ { exit }
  inside { print }' "$source/README.md")"
for line in "scripts/dev.sh package" "sudo apt install ./build/$deb" "man quorvex" "sudo apt remove quorvex"; do
  grep -qxF -- "$line" <<<"$install_lines" || fail "README.md's Install section lacks the line: $line"
done
LC_ALL=C.UTF-8 MANPATH="$root/usr/share/man" MANPAGER=cat man quorvex >"$scratch/man.out" 2>&1 ||
  fail "man quorvex finds no page in the package"
grep -q "^QUORVEX(1) " "$scratch/man.out" || fail "man quorvex shows another page"
ok "README.md's Install lines match the packages"
