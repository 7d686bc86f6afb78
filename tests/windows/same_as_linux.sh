#!/usr/bin/env bash
# vantrel-scn.exe under Wine gives the bytes the Linux build of the same sources gives: the file
# resave writes, and what resave, check and vessels print and their exit status, for every
# scenario of the sample installation and, when ../shared/corpus is there, of the simulator's own.
# Both run in the installation's folder on the same relative paths; the scenario paths that check
# prints are compared with "\" read as "/", since Windows shows its own separator.
# Usage: same_as_linux.sh SOURCE_DIR LINUX_SCN WINDOWS_RUNNER... WINDOWS_SCN
set -euo pipefail
source=$(cd "$1" && pwd)
linux=$2
shift 2
windows=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

installs=("$source/sample/Orbiter")
corpus=$source/../shared/corpus/orbiter-2016
if [ -d "$corpus" ]; then
  installs+=("$(cd "$corpus" && pwd)")
else
  echo "No simulator files at $corpus: the sample installation only."
fi

# Runs one side: its status, standard output and standard error into $work/<name>.*
run() {
  local name=$1
  shift
  local status=0
  "$@" >"$work/$name.out" 2>"$work/$name.err" || status=$?
  echo "$status" >"$work/$name.status"
}

same() {
  local what=$1
  for part in status out err; do
    if ! cmp -s "$work/linux.$part" "$work/windows.$part"; then
      echo "DIFFERENT $what ($part):"
      diff "$work/linux.$part" "$work/windows.$part" | head -n 10
      failures=$((failures + 1))
      return
    fi
  done
}

failures=0
files=0
for install in "${installs[@]}"; do
  cd "$install"
  run linux "$linux" check .
  run windows "${windows[@]}" check .
  for part in out err; do
    tr '\\' '/' <"$work/windows.$part" >"$work/windows.$part.slashes"
    mv "$work/windows.$part.slashes" "$work/windows.$part"
  done
  same "check $install"

  while IFS= read -r -d '' file; do
    file=${file#./}
    files=$((files + 1))
    run linux "$linux" resave . "$file" "$work/linux.scn"
    run windows "${windows[@]}" resave . "$file" "Z:$work/windows.scn"
    same "resave $install/$file"
    if ! cmp -s "$work/linux.scn" "$work/windows.scn"; then
      echo "DIFFERENT resave $install/$file (the file written)"
      failures=$((failures + 1))
    fi
    rm -f "$work/linux.scn" "$work/windows.scn"
    run linux "$linux" vessels . "$file"
    run windows "${windows[@]}" vessels . "$file"
    # Without a Date line the mean longitude is the one at the moment of each run.
    if ! grep -qE '^[[:space:]]*Date[[:space:]]' "$file"; then
      for side in linux windows; do
        cut -f 1-10,12- "$work/$side.out" >"$work/$side.undated" && mv "$work/$side.undated" "$work/$side.out"
      done
    fi
    same "vessels $install/$file"
  done < <(find . -name '*.scn' -print0 | LC_ALL=C sort -z)
done

echo "$files scenarios compared, $failures differences."
[ "$files" -gt 10 ] && [ "$failures" -eq 0 ]
