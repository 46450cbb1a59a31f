#!/usr/bin/env bash
# Installs the Debian 12 packages the game needs to build, run and test,
# but only those that are missing, so a second run costs nothing.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config
  # the game: Qt 6 widgets and SVG
  qt6-base-dev qt6-svg-dev libgl-dev qt6-qpa-plugins
  # tests and benchmarks, fuzzing and the leak check
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev valgrind
  # fonts embedded in the program at build time, and the fonts the artwork uses
  fonts-ocr-a fonts-dancingscript fonts-dejavu-core fonts-liberation2
  # real-window checks under a virtual X server, and the screen-reader test
  xvfb xdotool x11-utils imagemagick dbus at-spi2-core python3-pyatspi
  # measuring start-up and idle cost
  strace libx11-dev
  # the Debian package and its checks
  dpkg-dev lintian appstream file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
