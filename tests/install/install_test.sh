#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop finds there: the list of
# files, the desktop entry, the AppStream metadata and, where dpkg-deb is present, the Debian
# package. Usage: install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort) >"$work/files"
diff -u "$source/tests/install/expected-files.txt" "$work/files"

skipped=()
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/org.vantrel.Vantrel.desktop"
else
  skipped+=(desktop-file-validate)
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$prefix/share/metainfo/org.vantrel.Vantrel.metainfo.xml"
else
  skipped+=(appstreamcli)
fi
# The metadata names the version the program shows.
version=$(sed -n 's/^project(Vantrel VERSION \([0-9.]*\).*/\1/p' "$source/CMakeLists.txt")
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/org.vantrel.Vantrel.metainfo.xml"

if command -v dpkg-deb >/dev/null; then
  cpack -G DEB -B "$work/package" --config "$build/CPackConfig.cmake" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; exit 1; }
  deb=$(ls "$work/package"/*.deb)
  depends=$(dpkg-deb -f "$deb" Depends)
  for needed in libqt6widgets6 qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || { echo "the package does not depend on $needed: $depends"; exit 1; }
  done
  dpkg-deb -c "$deb" | awk '{print $6}' | sed -n 's|^\./usr/||p' | grep -v -e '/$' -e '^$' | LC_ALL=C sort >"$work/packaged"
  diff -u "$source/tests/install/expected-files.txt" "$work/packaged"
else
  skipped+=(dpkg-deb)
fi

if [ ${#skipped[@]} -gt 0 ]; then
  echo "not checked, missing: ${skipped[*]}"
  exit 77
fi
