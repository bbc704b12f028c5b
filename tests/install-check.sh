#!/usr/bin/env bash
# Installs a build (cmake --install, or its lintian-clean Debian package) and runs it installed.
set -euo pipefail
build=$1 assets=$2 how=${3:-cmake} root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
if [ "$how" = deb ]; then
  cpack --config "$build/CPackConfig.cmake" -B "$root/deb" >"$root/cpack.log" 2>&1 || { cat "$root/cpack.log"; exit 1; }
  deb=$(echo "$root"/deb/*.deb)
  dpkg-deb -x "$deb" "$root"
else
  DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
fi
desktop=$(echo "$root"/usr/share/applications/*.desktop)
id=$(basename "$desktop" .desktop)
for f in "share/metainfo/$id.metainfo.xml" share/icons/hicolor/{32x32,64x64,256x256}/apps/vexlar.png \
  share/man/man6/vexlar.6.gz share/doc/vexlar/copyright share/doc/vexlar/changelog.gz \
  $(cd "$assets" && ls -- *.mp3 *.png *.gif *.html | sed 's|^|lib/vexlar/|'); do
  [ -e "$root/usr/$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ "$(readlink "$root/usr/games/vexlar")" = ../lib/vexlar/vexlar ] || { echo "games/vexlar: no link"; exit 1; }
[ ! -e "$root/usr/bin/vexlar" ] || { echo "the program is in bin as well"; exit 1; }
grep -qx 'Exec=/usr/games/vexlar' "$desktop" || { echo "desktop entry lacks Exec"; exit 1; }
grep -qx 'Icon=vexlar' "$desktop" || { echo "desktop entry lacks Icon"; exit 1; }
if [ "$how" = deb ]; then
  lintian --fail-on error,warning "$deb" 2>/dev/null
  desktop-file-validate "$desktop"
  # validate-tree also checks that the AppStream launchable names the installed desktop entry.
  for net in --no-net ""; do
    appstreamcli validate-tree $net "$root" >"$root/appstream" || { cat "$root/appstream"; exit 1; }
  done
fi

# The game run 3 s through the link keeps running and says one line for each problem named.
said() {
  local what=$1 driver=$2 rc=0 n
  shift 2
  SDL_AUDIODRIVER=$driver QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$root \
    timeout 3 "$root/usr/games/vexlar" 2>"$root/stderr" || rc=$?
  [ $rc -eq 124 ] || { echo "$what: the game ended by itself (exit $rc)"; cat "$root/stderr"; exit 1; }
  grep '^VEXLAR:' "$root/stderr" >"$root/said" || true
  n=$(wc -l <"$root/said")
  [ "$n" -eq $# ] || { echo "$what: $n lines, expected $#:"; cat "$root/said"; exit 1; }
  for f in "$@"; do
    grep -q -- "$f" "$root/said" || { echo "$what: nothing said about $f"; exit 1; }
  done
  echo "$what ($how): $n lines, one per problem"
}

said "all assets in place" dummy
[ "$how" = cmake ] || exit 0
# What the game must have: every sound and picture but the large icon and the sharper copies.
files=()
for f in "$assets"/*.mp3 "$assets"/*.png; do
  [[ $f == *-256.png || $f == *@2x.png ]] || files+=("${f##*/}")
done
lib=$root/usr/lib/vexlar
rm "$lib"/*.mp3 "$lib"/*.png
said "missing assets" dummy "${files[@]}"
for f in "${files[@]}"; do head -c 300 /dev/urandom >"$lib/$f"; done
said "corrupt assets" dummy "${files[@]}"
for f in "${files[@]}"; do cp "$assets/$f" "$lib/$f"; done
said "no sound device" no-such-driver "sound device"
