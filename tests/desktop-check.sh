#!/usr/bin/env bash
# Runs a test on a real display server of the size given: desktop-check.sh TEST WIDTHxHEIGHT
# [openbox|i3|weston [ARGUMENTS...]]. openbox and i3 run on Xvfb; weston runs headless (Wayland).
set -euo pipefail
test_exe=$1 screen=$2 desktop=${3:-openbox} dir=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; rm -rf "$dir"' EXIT
# serve TEST-FLAG FILE COMMAND...: ready once `test TEST-FLAG FILE` holds; 30 s ends one never up.
serve() {
  local flag=$1 file=$2 log=$dir/${3##*/}.log
  shift 2
  "$@" >"$log" 2>&1 &
  for _ in $(seq 600); do test "$flag" "$file" && return; sleep 0.05; done
  echo "$1 did not start on $screen"; cat "$log"; exit 1
}
export VEXLAR_DESKTOP=$desktop SDL_AUDIODRIVER=dummy
if [ "$desktop" = weston ]; then
  export XDG_RUNTIME_DIR=$dir WAYLAND_DISPLAY=vexlar-check  # a private directory, as it must be
  serve -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" weston --backend=headless-backend.so --use-pixman \
    --debug --socket=$WAYLAND_DISPLAY --width="${screen%x*}" --height="${screen#*x}"
  cd "$dir"  # where weston-screenshooter writes its pictures
  # The Wayland client libraries and a plugin they unload leave blocks behind at exit.
  ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0 QT_QPA_PLATFORM=wayland "$test_exe"
  exit
fi
serve -s "$dir/display" Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$dir/display"
export DISPLAY=":$(cat "$dir/display")"
# i3 without a bar or its first-run wizard: the two windows share the screen side by side.
printf 'exec touch %s/ready\nfont pango:monospace 8\n' "$dir" >"$dir/i3.conf"
wm=(openbox --startup "touch $dir/ready")
[ "$desktop" != i3 ] || wm=(i3 -c "$dir/i3.conf")
serve -e "$dir/ready" "${wm[@]}"
QT_QPA_PLATFORM=xcb "$test_exe" "${@:4}"
