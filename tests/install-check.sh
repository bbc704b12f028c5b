#!/usr/bin/env bash
# Installs a build into a scratch root and checks the layout and that the installed game starts
# with every asset found: no line on standard error.
set -euo pipefail
build=$1
assets=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
# The program finds every asset of the game beside itself.
expected=(bin/vexlar lib/vexlar/vexlar share/applications/vexlar.desktop
  share/icons/hicolor/32x32/apps/vexlar.png share/icons/hicolor/256x256/apps/vexlar.png)
for f in "$assets"/*.mp3 "$assets"/*.png "$assets"/*.gif "$assets"/*.html; do
  expected+=("lib/vexlar/${f##*/}")
done
fail=0
for f in "${expected[@]}"; do
  [ -e "$root/usr/$f" ] || { echo "missing after install: $f"; fail=1; }
done
[ "$(readlink "$root/usr/bin/vexlar")" = ../lib/vexlar/vexlar ] || { echo "bin/vexlar is no link"; fail=1; }
grep -qx 'Exec=vexlar' "$root/usr/share/applications/vexlar.desktop" || { echo "desktop entry lacks Exec"; fail=1; }
grep -qx 'Icon=vexlar' "$root/usr/share/applications/vexlar.desktop" || { echo "desktop entry lacks Icon"; fail=1; }
[ $fail -eq 0 ] || exit 1
# Started through the link, it must find its assets beside the real executable.
set +e
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=$root \
  timeout 3 "$root/usr/bin/vexlar" 2>"$root/stderr"
rc=$?
set -e
[ $rc -eq 124 ] || { echo "the installed game ended by itself (exit $rc)"; cat "$root/stderr"; exit 1; }
if grep -q '^VEXLAR:' "$root/stderr"; then
  echo "the installed game reported problems:"; cat "$root/stderr"; exit 1
fi
echo "installed layout complete; the game ran 3 s without a complaint"
