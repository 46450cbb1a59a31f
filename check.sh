#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless: once in the normal
# build, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
for preset in default asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j2
done

echo "== package"
packaging/check-package.sh build-deb
