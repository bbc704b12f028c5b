#!/usr/bin/env bash
# Installs the Debian packages the build needs that are not there yet (apt-get as root, sudo otherwise).
# The packaging tools and validators serve make package and its check in make test; the
# accessibility bus and its Python client, the screen reader check; xprop, the desktop check's read
# of the window's class; ninja, every build; lld, the sanitized test build.
# Further package names on the command line are installed too (make pictures, make bench, make fuzz).
set -euo pipefail
needed=(g++ make cmake pkg-config libgtest-dev libsdl2-mixer-dev qt6-base-dev fonts-liberation2 xvfb xauth
  openbox i3-wm wmctrl x11-utils weston qt6-wayland xdotool dbus at-spi2-core python3-pyatspi dpkg-dev file lintian
  appstream desktop-file-utils lld ninja-build "$@")
missing=()
for p in "${needed[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
