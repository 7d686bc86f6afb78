#!/usr/bin/env bash
# Makes docs/screenshots/windows-main-window.png: vantrel.exe (scripts/windows.sh builds it)
# under Wine, in a Wine desktop of 1366x768 on Xvfb so the window has its frame, with the sample
# installation's "Meridian yard" open on the station tab.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows
work=$(mktemp -d)
winpath() { printf 'Z:%s' "$(realpath "$1" | sed 's|/|\\|g')"; }
cp "$build/vantrel.exe" "$work/"
printf '%s\r\n' "$(winpath "$root/sample/Orbiter")" >"$work/vantrel.cfg"
touch "$work/trace.txt"
display=:$((100 + $$ % 400))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
sleep 1
export DISPLAY=$display WINEPREFIX=$build/wine WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
export VANTREL_TRACE="$(winpath "$work")\\trace.txt"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
"$wine" explorer /desktop=Vantrel,1366x768 "$(winpath "$work/vantrel.exe")" \
  "$(winpath "$root/sample/Orbiter/Scenarios/Earth orbit/Meridian yard.scn")" >/dev/null 2>&1 &
program=$!
for _ in $(seq 240); do grep -q '^shown Vantrel' "$work/trace.txt" && break; sleep 0.25; done
read -r x y < <(awk '$1 == "tab" && $2 == 1 { printf "%d %d\n", $3 + $5 / 2, $4 + $6 / 2; exit }' "$work/trace.txt")
xdotool mousemove "$x" "$y" click 1
sleep 2
import -window root "$root/docs/screenshots/windows-main-window.png"
kill "$program" 2>/dev/null || true
"$(command -v wineserver || echo /usr/lib/wine/wineserver64)" -k 2>/dev/null || true
echo "Wrote docs/screenshots/windows-main-window.png"
