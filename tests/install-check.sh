#!/usr/bin/env bash
# Installs a build into a scratch root, with cmake --install or, given "deb", from its Debian
# package, and checks the layout and that the installed game starts with every asset found: no line
# on standard error. The package must also pass lintian and the desktop and AppStream validators.
set -euo pipefail
build=$1
assets=$2
how=${3:-cmake}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
if [ "$how" = deb ]; then
  cpack --config "$build/CPackConfig.cmake" -B "$root/deb" >"$root/cpack.log" 2>&1 || { cat "$root/cpack.log"; exit 1; }
  deb=$(echo "$root"/deb/*.deb)
  dpkg-deb -x "$deb" "$root"
else
  DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
fi
fail=0
desktop=$(echo "$root"/usr/share/applications/*.desktop)
id=$(basename "$desktop" .desktop)
for f in games/vexlar lib/vexlar/vexlar \
  "share/metainfo/$id.metainfo.xml" share/icons/hicolor/{32x32,64x64,256x256}/apps/vexlar.png \
  share/man/man6/vexlar.6.gz share/doc/vexlar/copyright share/doc/vexlar/changelog.gz \
  $(cd "$assets" && ls -- *.mp3 *.png *.gif *.html | sed 's|^|lib/vexlar/|'); do
  [ -e "$root/usr/$f" ] || { echo "missing after install: $f"; fail=1; }
done
[ "$(readlink "$root/usr/games/vexlar")" = ../lib/vexlar/vexlar ] || { echo "games/vexlar: no link"; fail=1; }
[ ! -e "$root/usr/bin/vexlar" ] || { echo "the program is in bin as well"; fail=1; }
grep -qx 'Exec=/usr/games/vexlar' "$desktop" || { echo "desktop entry lacks Exec"; fail=1; }
grep -qx 'Icon=vexlar' "$desktop" || { echo "desktop entry lacks Icon"; fail=1; }
[ $fail -eq 0 ] || exit 1
if [ "$how" = deb ]; then
  lintian --fail-on error,warning "$deb" 2>/dev/null
  desktop-file-validate "$desktop"
  # validate-tree also checks that the AppStream launchable names the installed desktop entry.
  for net in --no-net ""; do
    appstreamcli validate-tree $net "$root" >"$root/appstream" || { cat "$root/appstream"; exit 1; }
  done
fi
# Started through the link, it must find its assets beside the real executable.
set +e
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=$root \
  timeout 3 "$root/usr/games/vexlar" 2>"$root/stderr"
rc=$?
set -e
[ $rc -eq 124 ] || { echo "the installed game ended by itself (exit $rc)"; cat "$root/stderr"; exit 1; }
if grep -q '^VEXLAR:' "$root/stderr"; then
  echo "the installed game reported problems:"; cat "$root/stderr"; exit 1
fi
echo "installed layout complete ($how); the game ran 3 s without a complaint"
