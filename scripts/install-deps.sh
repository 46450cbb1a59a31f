#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing, so a second run costs nothing.
#   scripts/install-deps.sh play    what building and playing the game need (play.sh)
#   scripts/install-deps.sh         that, and everything the tests, benchmarks and the Debian
#                                   package need as well (check.sh)
set -euo pipefail

play=(
  # build
  build-essential cmake ninja-build pkg-config
  # the game: Qt 6 widgets and SVG
  qt6-base-dev qt6-svg-dev libgl-dev qt6-qpa-plugins
  # fonts embedded in the program at build time, and the fonts the table and the artwork use
  fonts-ocr-a fonts-dancingscript fonts-dejavu-core fonts-liberation2
)
check=(
  # the layout check and the artwork's generator and checks
  clang-format python3
  # tests and benchmarks, fuzzing and the leak check
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev valgrind
  # real-window checks under a virtual X server, and the screen-reader test
  xvfb xdotool x11-utils imagemagick dbus at-spi2-core python3-pyatspi
  # measuring start-up and idle cost
  strace libx11-dev
  # the Debian package and its checks
  dpkg-dev lintian appstream file
)

packages=("${play[@]}")
[ "${1:-}" = play ] || packages+=("${check[@]}")

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
