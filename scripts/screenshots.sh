#!/usr/bin/env bash
# Makes the pictures of docs/ on a 1366x768 screen (Xvfb), with the sample
# installation, and the one of an orbiting ship of the simulator's own scenarios when
# ../shared/corpus/orbiter-2016 is there. Usage: scripts/screenshots.sh [path of the vantrel program]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$(realpath "${1:-$root/build/release/vantrel}")
work=$(mktemp -d)
printf '%s\r\n' "$root/sample/Orbiter" >"$work/vantrel.cfg"
# The simulator's own installation, in a start folder of its own.
corpus=$root/../shared/corpus/orbiter-2016
corpus_work=$work/corpus
mkdir "$corpus_work"
[ -d "$corpus/Scenarios" ] && printf '%s\r\n' "$(realpath "$corpus")" >"$corpus_work/vantrel.cfg"
display=:$((100 + $$ % 400))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp &
xvfb=$!
trap 'kill "$xvfb"; rm -rf "$work"' EXIT
sleep 1

shot_in() {
  local folder=$1 out=$2
  shift 2
  (cd "$folder" && DISPLAY=$display QT_QPA_PLATFORM=xcb "$program" --screenshot "$root/$out" "$@")
}
shot() { shot_in "$work" "$@"; }
shot docs/main-window.png --open "Earth orbit/Crowded sky.scn" --tab 3
shot docs/screenshots/main-window.png --open "Earth orbit/Crowded sky.scn"
shot docs/screenshots/ship-list.png --open "Earth orbit/Crowded sky.scn" --tab 3 --click Command4
shot docs/screenshots/ship-list-docked.png --open "Earth orbit/Meridian yard.scn" --tab 3
shot docs/screenshots/orbit-picture-station.png --open "Earth orbit/Meridian yard.scn" --tab 2
# GL-01, the first ship of the list, on a Tundra orbit placed by RPOS and RVEL.
if [ -f "$corpus_work/vantrel.cfg" ]; then
  shot_in "$corpus_work" docs/screenshots/orbit-picture-ship.png --open "Navigation/Special orbits/Tundra orbit.scn" --tab 3
  # ISS, a station of today's layout placed by ELEMENTS, on the station tab.
  shot_in "$corpus_work" docs/screenshots/todays-station.png --open "Delta-glider/Docked at ISS.scn" --tab 2
  # GL-02, docked to ISS by DOCKINFO alone, at ISS's second port in the dock tree.
  shot_in "$corpus_work" docs/screenshots/todays-docked-ship.png --open "Delta-glider/Docked at ISS.scn" --tab 3 \
    --select ShipName=GL-02
  # GL-01, landed by POS at the Kennedy Space Center, its longitude and latitude in the landed frame.
  shot_in "$corpus_work" docs/screenshots/todays-landed-by-coordinates.png --open "Checklists/Quickstart.scn" --tab 3 \
    --select ShipName=GL-01
  # The simulator's findings under the tabs: a focus and a camera target that name no vessel.
  shot_in "$corpus_work" docs/screenshots/simulator-findings.png \
    --open "The Solar System/Jupiter flybys/Galileo's first Ganymede flyby.scn"
else
  echo "No ../shared/corpus/orbiter-2016: the pictures of its scenarios (orbit-picture-ship.png, todays-*.png) are kept as they are." >&2
fi
shot docs/screenshots/station-refusal.png --open "Earth orbit/Meridian yard.scn" --tab 2 --click Command2
shot docs/screenshots/load-window.png --click Menu12
shot docs/screenshots/folder-search.png --click Menu32
shot docs/screenshots/information-window.png --open "Earth orbit/Crowded sky.scn" --click Menu31
