#!/usr/bin/env bash
# Runs the desktop test under a real X server and window manager (Xvfb and openbox) on a screen
# of the size given: desktop-check.sh TEST WIDTHxHEIGHT.
set -euo pipefail
test_exe=$1
screen=$2
dir=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$dir/display")"
openbox --startup "touch $dir/ready" >"$dir/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -e "$dir/ready" ] && break; sleep 0.05; done
[ -e "$dir/ready" ] || { echo "openbox did not start on $screen"; cat "$dir/openbox.log"; exit 1; }
QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$test_exe"
