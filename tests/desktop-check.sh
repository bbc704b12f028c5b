#!/usr/bin/env bash
# Runs the desktop test on a real display server of the size given: desktop-check.sh TEST
# WIDTHxHEIGHT [openbox|i3|weston]. openbox and i3 run on Xvfb; weston runs headless (Wayland).
set -euo pipefail
test_exe=$1
screen=$2
desktop=${3:-openbox}
dir=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
# Waits up to 10 s for a file to appear.
wait_for() { for _ in $(seq 200); do [ -e "$1" ] && return 0; sleep 0.05; done; return 1; }
export VEXLAR_DESKTOP=$desktop SDL_AUDIODRIVER=dummy
if [ "$desktop" = weston ]; then
  export XDG_RUNTIME_DIR=$dir/run WAYLAND_DISPLAY=vexlar-check
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  weston --backend=headless-backend.so --use-pixman --debug --socket=$WAYLAND_DISPLAY \
    --width="${screen%x*}" --height="${screen#*x}" >"$dir/weston.log" 2>&1 &
  pids+=($!)
  wait_for "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || { echo "weston did not start"; cat "$dir/weston.log"; exit 1; }
  cd "$dir"  # where weston-screenshooter writes its pictures
  # The Wayland client libraries and a plugin they unload leave blocks behind at exit.
  export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
  QT_QPA_PLATFORM=wayland "$test_exe"
  exit
fi
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$dir/display" 2>"$dir/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$dir/display")"
if [ "$desktop" = i3 ]; then
  # No bar and no first-run wizard: the two windows share the screen side by side.
  printf 'exec touch %s/ready\nfont pango:monospace 8\n' "$dir" >"$dir/i3.conf"
  i3 -c "$dir/i3.conf" >"$dir/wm.log" 2>&1 &
else
  openbox --startup "touch $dir/ready" >"$dir/wm.log" 2>&1 &
fi
pids+=($!)
wait_for "$dir/ready" || { echo "$desktop did not start on $screen"; cat "$dir/wm.log"; exit 1; }
QT_QPA_PLATFORM=xcb "$test_exe"
