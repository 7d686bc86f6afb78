#!/usr/bin/env bash
# Makes the pictures of docs/ on a 1366x768 screen (Xvfb), with the sample
# installation. Usage: scripts/screenshots.sh [path of the vantrel program]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/release/vantrel}")
work=$(mktemp -d)
printf '%s\r\n' "$root/sample/Orbiter" >"$work/vantrel.cfg"
display=:$((100 + $$ % 400))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp &
xvfb=$!
trap 'kill "$xvfb"; rm -rf "$work"' EXIT
sleep 1

shot() {
  local out=$1
  shift
  (cd "$work" && DISPLAY=$display QT_QPA_PLATFORM=xcb "$program" --screenshot "$root/$out" "$@")
}
shot docs/main-window.png --open "Earth orbit/Crowded sky.scn" --tab 3
shot docs/screenshots/main-window.png --open "Earth orbit/Crowded sky.scn"
shot docs/screenshots/ship-list.png --open "Earth orbit/Crowded sky.scn" --tab 3 --click Command4
shot docs/screenshots/ship-list-docked.png --open "Earth orbit/Meridian yard.scn" --tab 3
shot docs/screenshots/orbit-picture-station.png --open "Earth orbit/Meridian yard.scn" --tab 2
shot docs/screenshots/orbit-picture-ship.png --open "Earth orbit/Crowded sky.scn" --tab 3
shot docs/screenshots/station-refusal.png --open "Earth orbit/Meridian yard.scn" --tab 2 --click Command2
shot docs/screenshots/load-window.png --click Menu12
shot docs/screenshots/folder-search.png --click Menu32
shot docs/screenshots/information-window.png --open "Earth orbit/Crowded sky.scn" --click Menu31
