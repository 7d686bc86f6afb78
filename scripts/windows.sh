#!/usr/bin/env bash
# Cross-builds the Windows programs, the desktop vantrel.exe and the command-line tool
# vantrel-scn.exe, and the core and command-line tests into build/windows with mingw-w64, and
# runs the tests under Wine (the desktop's on a display of its own). With --package it also makes
# the installer build/windows/Vantrel-<version>-win64.exe, installs and uninstalls it under Wine,
# and writes the zip build/windows/vantrel-<version>-win64.zip. Arguments after -- go to ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

package=0
ctest_args=()
while [ $# -gt 0 ]; do
  case $1 in
    --package) package=1 ;;
    --) shift; ctest_args=("$@"); break ;;
    *) echo "Usage: scripts/windows.sh [--package] [-- CTEST_ARGUMENTS...]" >&2; exit 2 ;;
  esac
  shift
done

source scripts/setup.sh
vantrel_install g++-mingw-w64-x86-64-posix wine64 googletest zip nsis xvfb xauth xdotool imagemagick

# The Windows tool must print what the Linux one prints: the Linux build of the same sources is
# the reference the Windows tests compare with.
vantrel_configure build/test RelWithDebInfo
cmake --build build/test --target vantrel-scn vantrel

# The Windows desktop places its controls where the Qt desktop's layouts put them.
mkdir -p build/windows
QT_QPA_PLATFORM=offscreen build/test/vantrel --export-forms build/windows/forms.txt \
  sample/Orbiter/Scenarios/Welcome.scn 2>/dev/null

build=build/windows
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
        -DVANTREL_DESKTOP=OFF -DVANTREL_GTEST_SOURCES=/usr/src/googletest \
        -DVANTREL_LINUX_SCN="$root/build/test/vantrel-scn" -DVANTREL_FORMS="$root/build/windows/forms.txt"
else
  cmake "$build" -DVANTREL_FORMS="$root/build/windows/forms.txt" >/dev/null
fi
cmake --build "$build"

# One Wine server for the whole run: when an idle server shuts down just as the next test starts,
# that test fails with "wine client error". Wine's own services start with the first program and
# live as long as the server: started here, away from ctest's output pipes, which they would
# otherwise hold open to the end. The first call makes the prefix if needed.
export WINEPREFIX=$root/$build/wine
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
"$wineserver" -k 2>/dev/null || true # the build's own, which would refuse a second one
"$wineserver" -w
"$root/cmake/wine-run.sh" "$WINEPREFIX" --version >/dev/null
"$wineserver" -p
trap '"$wineserver" -k 2>/dev/null || true' EXIT
"$root/cmake/wine-run.sh" "$WINEPREFIX" cmd /c exit </dev/null >/dev/null 2>&1
# Now and then a test program under Wine does not start at all on a loaded machine: it prints
# nothing and fails at once. Such a test runs once more; a test that fails twice fails.
(cd "$build" && ctest --output-on-failure -j "$(nproc)" --repeat until-pass:2 "${ctest_args[@]}")

if [ "$package" = 1 ]; then
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
  (cd "$build" && cpack -G NSIS)
  tests/windows/installer.sh "$WINEPREFIX" "$build/Vantrel-$version-win64.exe" "$version"

  # The zip holds what the installer puts in its folder, for a copy that runs where it is unpacked.
  name=vantrel-$version-win64
  stage=$build/package/$name
  rm -rf "$build/package" "$build/$name.zip"
  cmake --install "$build" --prefix "$stage" --strip >/dev/null
  (cd "$build/package" && cmake -E tar cf "../$name.zip" --format=zip "$name")
  echo "Wrote $build/$name.zip"
fi
