#!/usr/bin/env bash
# Synthesises the four sound effects with sox and encodes them with lame into assets/.
set -euo pipefail
out="${1:-$(dirname "$0")/../assets}"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
synth() { sox -q -n -r 44100 -c 1 -b 16 "$tmp/$1.wav" "${@:2}"; }
# probe: a rising whoosh of filtered noise
synth probe synth 0.45 pinknoise band -n 900 600 fade q 0.05 0.45 0.25 gain -4
sox -q "$tmp/probe.wav" "$tmp/probe2.wav" bend 0,600,0.4
# boomcrak: a short low thump under a crack of noise
synth thump synth 0.35 sine 90-40 fade q 0.005 0.35 0.3
synth crack synth 0.08 whitenoise fade q 0.001 0.08 0.07 gain -6
sox -q -m "$tmp/thump.wav" "$tmp/crack.wav" "$tmp/boomcrak.wav" gain -2
# flash: a bright two-note chime
synth c1 synth 0.5 pluck E6 fade q 0.002 0.5 0.45
synth c2 synth 0.5 pluck B6 fade q 0.002 0.5 0.45 pad 0.08
sox -q -m "$tmp/c1.wav" "$tmp/c2.wav" "$tmp/flash.wav" gain -3
# mark: a dull refusal buzz
synth mark synth 0.3 square 110 gain -10 lowpass 700 tremolo 30 60 fade q 0.01 0.3 0.05
mkdir -p "$out"
for s in probe2:probe boomcrak flash mark; do
  src=${s%%:*}; dst=${s##*:}
  lame --quiet -b 96 "$tmp/$src.wav" "$out/$dst.mp3"
done
ls -l "$out"/*.mp3
