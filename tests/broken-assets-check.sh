#!/usr/bin/env bash
# Runs the game beside missing, then corrupt, assets and without a sound device: it must keep
# running and say one line per problem on standard error.
set -euo pipefail
exe=$1
assets=$2
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# What the game must have as it starts: every sound and every picture but the desktop's large
# icon and the optional sharper copies for dense screens.
files=()
for f in "$assets"/*.mp3 "$assets"/*.png; do
  [[ $f == *-256.png || $f == *@2x.png ]] || files+=("${f##*/}")
done
cp "$exe" "$dir/vexlar"

# Runs the game for 3 s; prints its complaints.
run() {
  set +e
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$dir timeout 3 "$dir/vexlar" 2>"$dir/stderr"
  local rc=$?
  set -e
  [ $rc -eq 124 ] || { echo "the game ended by itself (exit $rc)"; cat "$dir/stderr"; exit 1; }
  grep '^VEXLAR:' "$dir/stderr" || true
}

# Every problem is named once: the count of lines and the file each names must both match.
expect() {
  local what=$1 lines=$2
  shift 2
  local n
  n=$(grep -c . <<<"$lines" || true)
  [ "$n" -eq $# ] || { echo "$what: $n lines, expected $#:"; printf '%s\n' "$lines"; exit 1; }
  for f in "$@"; do
    # A here-string, not a pipe: grep -q stops at its first match and would kill the writer.
    grep -q -- "$f" <<<"$lines" || { echo "$what: nothing said about $f"; exit 1; }
  done
  echo "$what: $n lines, one per problem"
}

expect "missing assets" "$(SDL_AUDIODRIVER=dummy run)" "${files[@]}"

for f in "${files[@]}"; do head -c 300 /dev/urandom >"$dir/$f"; done
expect "corrupt assets" "$(SDL_AUDIODRIVER=dummy run)" "${files[@]}"

for f in "${files[@]}"; do cp "$assets/$f" "$dir/$f"; done
expect "no sound device" "$(SDL_AUDIODRIVER=no-such-driver run)" "sound device"
expect "all assets in place" "$(SDL_AUDIODRIVER=dummy run)"
