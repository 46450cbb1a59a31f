#!/usr/bin/env bash
# Builds the Debian package of the game and checks it:
#   - the build is a plain Release build with CMake's default generator, as a player or a
#     packager would make it (warnings stay warnings), and its tests run before packaging;
#   - dpkg-deb --info and --contents;
#   - the desktop entry's command, the icons and the AppStream file are in it, and the AppStream
#     file passes `appstreamcli validate`;
#   - every shared library the program and the Qt plugins it loads need comes from a package
#     that the .deb's dependencies pull in (so it runs on a fresh machine);
#   - lintian: errors fail the check, warnings are reported.
# Usage: packaging/check-package.sh [BUILD_DIR]   (default: build-deb; the .deb is left there)
# Needs: dpkg-dev lintian appstream (and what the game needs to build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-deb}
grep -q '^ *add_subdirectory(packaging)' CMakeLists.txt ||
  { echo "check-package: the top CMakeLists.txt does not add packaging/"; exit 1; }

# Debian's hardening flags, as a Debian build would use them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
echo "== building the package in $build"
# A folder left by another generator cannot be reused: start it afresh.
if [ -f "$build/CMakeCache.txt" ] && ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Unix Makefiles' "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
# Debian's place for games is /usr/games. The tests are built too (not the benchmarks), and
# none of them is installed.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr -DVEX_INSTALL_BINDIR=games \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
  -DVEX_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2
echo "== the tests of this build"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" -j2 --output-on-failure
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/*.deb)
echo "== $deb ($(du -h "$deb" | cut -f1))"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"

fail=0
problem() { echo "PROBLEM: $*"; fail=1; }
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "== desktop entry, icons, AppStream"
desktop=$(ls "$root"/usr/share/applications/*.desktop)
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
command=${exec_line%% *}
[ -x "$root$command" ] || problem "the desktop entry starts '$command', which the package does not install"
grep -qx 'Categories=Game;CardGame;' "$desktop" || problem "the desktop entry is not in Game;CardGame;"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
  png="$root/usr/share/icons/hicolor/$size/apps/$icon.png"
  [ -f "$png" ] || { problem "no $size icon"; continue; }
  file "$png" | grep -q "${size/x/ x }," || problem "the $size icon is $(file -b "$png")"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || problem "no scalable icon"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || problem "AppStream validation failed"

echo "== run-time libraries come with the dependencies"
depends=$(dpkg-deb --field "$deb" Depends | tr ',' '\n' | sed 's/^ *//;s/[ (].*//;/^$/d')
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
            --no-replaces --no-enhances $depends 2>/dev/null | sed -n 's/^\([a-z0-9][^ :]*\).*/\1/p' | sort -u)
qtplugins=$(qtpaths6 --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
for object in "$root$command" "$qtplugins/platforms/libqxcb.so" "$qtplugins/iconengines/libqsvgicon.so"; do
  while read -r lib; do
    owner=$(dpkg -S "$(realpath "$lib")" 2>/dev/null | head -n 1 | cut -d: -f1) || true
    [ -n "$owner" ] || owner=$(dpkg -S "$lib" 2>/dev/null | head -n 1 | cut -d: -f1) || true
    [ -n "$owner" ] || { problem "$lib (needed by $(basename "$object")) belongs to no package"; continue; }
    grep -qx "$owner" <<<"$closure" || problem "$lib (needed by $(basename "$object")) comes from $owner, which the package does not pull in"
  done < <(ldd "$object" | awk '/=> \//{print $3}')
  [ "$object" = "$root$command" ] && continue
  owner=$(dpkg -S "$object" | cut -d: -f1)
  grep -qx "$owner" <<<"$closure" || problem "the plugin $(basename "$object") comes from $owner, which the package does not pull in"
done
echo "dependencies: $(dpkg-deb --field "$deb" Depends)"

echo "== lintian"
# Errors fail the check; warnings and notes are shown for the record.
lintian_out=$(lintian --display-info --allow-root "$deb" 2>&1) || true
echo "${lintian_out:-(lintian: no remarks)}"
if grep -q '^E: ' <<<"$lintian_out"; then problem "lintian reports errors"; fi
echo "lintian: $(grep -c '^E: ' <<<"$lintian_out" || true) errors, $(grep -c '^W: ' <<<"$lintian_out" || true) warnings"

[ $fail -eq 0 ] || { echo "check-package: FAILED"; exit 1; }
echo "check-package: $deb is good"
