#!/usr/bin/env bash
# Installs what building and playing need (and only what is missing), builds the game alone,
# and starts it. The tests and their tools are check.sh's business.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh play
cmake --preset play >/dev/null
cmake --build --preset play
exec ./build-play/vex-blackjack "$@"
