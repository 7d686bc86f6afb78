#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix named by the first argument, made on first use
# without the Mono and Gecko downloads and without a display. Shortcuts and file types the programs
# register stay inside the prefix: no menu entries or file associations on this machine. Used as
# the emulator of the cross-built tests: wine-run.sh PREFIX PROGRAM.exe ARGUMENTS...
set -euo pipefail
prefix=$1
shift
export WINEPREFIX=$prefix
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG=${WINEDEBUG:--all}
wine=$(command -v wine64 || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
[ -x "$wine" ] || { echo "wine-run.sh: wine64 is not installed" >&2; exit 127; }
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$prefix"
  # Tests start in parallel: one of them makes the prefix while the others wait.
  (
    flock 9
    [ -f "$prefix/system.reg" ] || "$wine" wineboot --init >/dev/null 2>&1
    wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
    "$wineserver" --wait || true
  ) 9>"$prefix.lock"
fi
exec "$wine" "$@"
