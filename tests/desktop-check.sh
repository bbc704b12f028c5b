#!/usr/bin/env bash
# Runs the desktop test under a real X server and window manager (Xvfb and openbox), once for
# each screen shape a player may have: a small landscape, a large landscape and a portrait one.
set -euo pipefail
test_exe=$1
dir=$(mktemp -d)
pids=()
stop() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$dir"
}
trap stop EXIT

for screen in 1366x768 1920x1080 1080x1920; do
  Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.05; done
  export DISPLAY=":$(cat "$dir/display")"
  rm -f "$dir/ready" "$dir/display"
  openbox --startup "touch $dir/ready" >"$dir/openbox.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 100); do [ -e "$dir/ready" ] && break; sleep 0.05; done
  [ -e "$dir/ready" ] || { echo "openbox did not start on $screen"; cat "$dir/openbox.log"; exit 1; }
  echo "screen $screen"
  QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$test_exe" || { echo "failed on $screen"; exit 1; }
  kill "${pids[@]}" 2>/dev/null || true
  wait 2>/dev/null || true
  pids=()
done
