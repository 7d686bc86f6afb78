#!/usr/bin/env bash
# Runs a command with an Xvfb display of its own, for the Windows desktop's tests under Wine,
# whose windows need one. Usage: with-display.sh COMMAND [ARGUMENT]...
set -euo pipefail
display=:$((90 + RANDOM % 800))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 40); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
DISPLAY=$display "$@"
