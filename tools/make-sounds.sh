#!/usr/bin/env bash
# Synthesises the game's sound effects with sox and encodes them with lame into assets/.
# Every file the game's sound table names is made by the recipe of the same name below.
set -euo pipefail
here=$(dirname "$0")
out="${1:-$here/../assets}"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
synth() { sox -q -n -r 44100 -c 1 -b 16 "$tmp/$1.wav" "${@:2}"; }

# A rising whoosh of filtered noise.
probe() {
  synth whoosh synth 0.45 pinknoise band -n 900 600 fade q 0.05 0.45 0.25 gain -4
  sox -q "$tmp/whoosh.wav" "$tmp/probe.wav" bend 0,600,0.4
}
# A short low thump under a crack of noise.
boomcrak() {
  synth thump synth 0.35 sine 90-40 fade q 0.005 0.35 0.3
  synth crack synth 0.08 whitenoise fade q 0.001 0.08 0.07 gain -6
  sox -q -m "$tmp/thump.wav" "$tmp/crack.wav" "$tmp/boomcrak.wav" gain -2
}
# A bright two-note chime.
flash() {
  synth c1 synth 0.5 pluck E6 fade q 0.002 0.5 0.45
  synth c2 synth 0.5 pluck B6 fade q 0.002 0.5 0.45 pad 0.08
  sox -q -m "$tmp/c1.wav" "$tmp/c2.wav" "$tmp/flash.wav" gain -3
}
# A dull refusal buzz.
mark() {
  synth mark synth 0.3 square 110 gain -10 lowpass 700 tremolo 30 60 fade q 0.01 0.3 0.05
}

mkdir -p "$out"
names=$(grep -o '"[a-z0-9]*\.mp3"' "$here/../core/Types.h" | tr -d '"')
for file in $names; do
  name=${file%.mp3}
  declare -F "$name" >/dev/null || { echo "no recipe for $file" >&2; exit 1; }
  "$name"
  lame --quiet -b 96 "$tmp/$name.wav" "$out/$file"
done
ls -l "$out"/*.mp3
