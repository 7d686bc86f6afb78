#!/usr/bin/env bash
# Starts the Windows desktop under Wine on a display of its own and uses it as a person would:
# the main window with its three tabs appears; a heading typed on the ship tab, validated and
# saved with Ctrl+S reaches the file, byte for byte as the Linux build's script command writes
# the same edit; Ctrl+Q asks the exit question. Leaves build/windows/smoke/windows-main-window.png.
# Usage: smoke.sh SOURCE_DIR WINDOWS_BUILD_DIR LINUX_VANTREL_SCN
set -euo pipefail
src=$(realpath "$1")
build=$(realpath "$2")
linux_scn=$3
work=$build/smoke
rm -rf "$work"
mkdir -p "$work"

# Windows paths of Linux files, through Wine's Z: drive.
winpath() { printf 'Z:%s' "$(realpath "$1" | sed 's|/|\\|g')"; }

cp "$build/vantrel.exe" "$work/"
scenario="$src/sample/Orbiter/Scenarios/Earth orbit/Launch days/Canaveral morning.scn"
cp "$scenario" "$work/morning.scn"
# A settings file beside the program: the portable copy, pointing at the sample installation.
printf '%s\r\n' "$(winpath "$src/sample/Orbiter")" >"$work/vantrel.cfg"
touch "$work/trace.txt"
export VANTREL_TRACE="$(winpath "$work")\\trace.txt"

# The same edit through the Linux build's script command gives the expected bytes.
"$linux_scn" script "$src/sample/Orbiter" "$scenario" "$work/expected.scn" \
  ShipName=Robin ShipLandedHeading=123 Command4 2>/dev/null

display=:$((90 + RANDOM % 800))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
program=
cleanup() {
  [ -n "$program" ] && kill "$program" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
sleep 1

fail() { echo "smoke: $*" >&2; echo "--- trace:" >&2; cat "$work/trace.txt" >&2; exit 1; }
waitFor() { # PATTERN SECONDS
  for _ in $(seq $(($2 * 4))); do
    grep -q "$1" "$work/trace.txt" && return 0
    sleep 0.25
  done
  return 1
}
# The centre of a control or a tab, from the trace.
centre() { # KIND NAME
  awk -v kind="$1" -v name="$2" '$1 == kind && $2 == name { printf "%d %d\n", $3 + $5 / 2, $4 + $6 / 2; exit }' \
    "$work/trace.txt"
}
click() { # X Y
  xdotool mousemove "$1" "$2" click 1
  sleep 0.5
}

"$(dirname "$0")/../../cmake/wine-run.sh" "$build/wine" "$work/vantrel.exe" "$(winpath "$work/morning.scn")" \
  >"$work/program.log" 2>&1 &
program=$!

waitFor '^shown Vantrel' 60 || fail "the main window did not show"
tabs=$(grep -c '^tab ' "$work/trace.txt" || true)
[ "$tabs" = 3 ] || fail "the main window shows $tabs tabs, not 3"
grep -q '^control SSTab1 .* 1$' "$work/trace.txt" || fail "the tabs are not shown"

# The ship tab, the first ship's heading, the validation.
read -r x y < <(centre tab 2)
click "$x" "$y"
read -r x y < <(centre control ShipLandedHeading)
click "$x" "$y"
xdotool key End
for _ in 1 2 3 4 5 6 7 8; do xdotool key BackSpace; done
xdotool type --delay 50 123
read -r x y < <(centre control Command4)
click "$x" "$y"
sleep 1
xdotool key ctrl+s
sleep 2
cmp -s "$work/morning.scn" "$work/expected.scn" || {
  diff "$work/expected.scn" "$work/morning.scn" >&2 || true
  fail "Ctrl+S did not save the validated heading as the script command does"
}
import -window root "$work/windows-main-window.png"

xdotool key ctrl+q
waitFor '^box 36 ' 20 || fail "Ctrl+Q did not ask the exit question"
xdotool key Return
for _ in $(seq 40); do
  kill -0 "$program" 2>/dev/null || break
  sleep 0.25
done
echo "smoke: the main window, a validated edit saved with Ctrl+S, the exit question: all as expected"
