#!/usr/bin/env bash
# The Windows installer under Wine: a silent install (/S) into a folder named with /D puts the
# files listed in installed-files.txt there, a Start-menu entry, and the registry entries of
# installed-registry.txt; the installed vantrel-scn.exe runs. The simulator's own .scn
# association and another program's "Open with" entry are there before and stay. The silent
# uninstall then leaves the registry as uninstalled-registry.txt says and takes the folder and the
# Start-menu entry away.
# Usage: installer.sh WINE_PREFIX INSTALLER.exe VERSION
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(cd "$1" && pwd)
installer=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
version=$3
wine=("$here/../../cmake/wine-run.sh" "$prefix")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A folder name with blanks, so that the "Open with" command has to quote it.
dir='C:\Vantrel installed by the test'
host_dir="$prefix/drive_c/Vantrel installed by the test"
# The installer runs for all users, as an administrator.
menu="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vantrel"
classes='HKLM\Software\Classes'
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantrel'
vendor='HKLM\Software\The Vantrel developers'

failures=0
fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# A registry tree as sorted lines KEY, or KEY<TAB>NAME<TAB>TYPE<TAB>DATA for each value, with
# (empty) for empty data; nothing when the key is not there.
registry() {
  { "${wine[@]}" reg query "$1" /s 2>/dev/null || true; } | tr -d '\r' | awk '
    /^HKEY_LOCAL_MACHINE/ { key = "HKLM" substr($0, 19); print key; next }
    /^    / { n = split(substr($0, 5), f, /    /); data = f[3]; for (i = 4; i <= n; i++) data = data "    " f[i]
              if (data == "") data = "(empty)"
              print key "\t" f[1] "\t" f[2] "\t" data }' | LC_ALL=C sort
}

registry_now() {
  for key in "$classes\\.scn" "$classes\\Applications\\vantrel.exe" "$uninstall" "$vendor"; do
    registry "$key"
  done
}

expected() {
  sed -e "s|<DIR>|${dir//\\/\\\\}|g" -e "s|<VERSION>|$version|g" "$here/$1" | LC_ALL=C sort
}

# What an earlier run may have left, and the simulator's association with another program's entry.
cat >"$work/before.reg" <<EOF
Windows Registry Editor Version 5.00

[-HKEY_LOCAL_MACHINE\\Software\\Classes\\Applications\\vantrel.exe]
[-HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantrel]
[-HKEY_LOCAL_MACHINE\\Software\\The Vantrel developers]
[-HKEY_LOCAL_MACHINE\\Software\\Classes\\.scn]

[HKEY_LOCAL_MACHINE\\Software\\Classes\\.scn]
@="Orbiter.Scenario"

[HKEY_LOCAL_MACHINE\\Software\\Classes\\.scn\\OpenWithList\\notepad.exe]
EOF
"${wine[@]}" reg import "Z:$work/before.reg" >/dev/null 2>&1
rm -rf "$host_dir" "$menu"

# As typed at a command prompt: Windows programs get their command line as written, and /D takes
# the rest of it, blanks and all, without quotes.
run_batch() {
  printf '@echo off\r\n%s\r\nexit /b %%errorlevel%%\r\n' "$1" >"$work/run.bat"
  "${wine[@]}" cmd /c "Z:$work/run.bat" </dev/null
}
run_batch "\"Z:$installer\" /S /D=$dir" || fail "the installer ended with status $?"
[ -d "$host_dir" ] || { echo "FAILED: the installer made no folder $dir"; exit 1; }

(cd "$host_dir" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$work/files" || true
diff -u "$here/installed-files.txt" "$work/files" || fail "the installed files"
cmp -s "$here/../../src/desktop/help/vantrel-help.html" "$host_dir/vantrel-help.html" ||
  fail "the installed help page is not the program's"
[ -f "$menu/Vantrel.lnk" ] || fail "no Start-menu entry $menu/Vantrel.lnk"
grep -aq 'vantrel\.exe' "$menu/Vantrel.lnk" 2>/dev/null || fail "the Start-menu entry does not start vantrel.exe"
"${wine[@]}" "$dir\\vantrel-scn.exe" --help >"$work/help" 2>&1 || fail "the installed vantrel-scn.exe --help ended with status $?"
grep -q '^Usage: vantrel-scn' "$work/help" || fail "the installed vantrel-scn.exe does not run: $(head -c 300 "$work/help")"
registry_now >"$work/registry"
diff -u <(expected installed-registry.txt) "$work/registry" || fail "the registry after the install"

# The uninstaller as Windows runs it: a copy of itself outside the folder, which it is told with _?=
# and then empties.
cp "$host_dir/Uninstall.exe" "$work/Uninstall.exe"
run_batch "\"Z:$work/Uninstall.exe\" /S _?=$dir" || fail "the uninstaller ended with status $?"
[ ! -e "$host_dir" ] || fail "the uninstaller left $(cd "$host_dir" && find . | tr '\n' ' ')"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu folder $menu"
registry_now >"$work/registry"
diff -u <(expected uninstalled-registry.txt) "$work/registry" || fail "the registry after the uninstall"

"${wine[@]}" reg delete "$classes\\.scn" /f >/dev/null 2>&1 || true
if [ "$failures" -gt 0 ]; then
  echo "The installer: $failures failures."
  exit 1
fi
echo "The installer installs, registers and uninstalls silently."
