#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the benchmarks and the
# browser need.
# Safe to run again: only missing packages are installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libgtk-3-dev libwebkit2gtk-4.1-dev
  xvfb xauth xdotool x11-utils imagemagick python3 dbus-x11 openbox
  librsvg2-common librsvg2-bin adwaita-icon-theme at-spi2-core python3-pyatspi
  poppler-utils
  clang desktop-file-utils appstream
  linux-perf
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
