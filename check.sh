#!/usr/bin/env bash
# Installs what is missing, checks the C++ layout and that the artwork is fresh from its generator,
# builds, and runs the whole test suite headless: once in the normal build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer (both presets with warnings as errors); then a
# minute of fuzzing, two minutes of random play in the real window, and the Debian package, made
# in a plain Release build whose tests run first, with its checks.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
echo "== layout of the C++ files"
./scripts/check-format.sh
echo "== artwork"
./scripts/check-art.sh
for preset in default asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done

echo "== fuzzing, 1 minute"
./scripts/fuzz.sh 60
echo "== soak of the game in a virtual X server, 2 minutes"
./soak/soak.sh 120 build/vex-blackjack

echo "== package"
packaging/check-package.sh build-deb
