#!/usr/bin/env bash
# check-format.sh — every C++ file the repository tracks is laid out as .clang-format says.
# Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/check-format.$$; then
  grep -o '^[^:]*\.\(cpp\|h\):' /tmp/check-format.$$ | sort -u | sed 's/:$//; s/^/check-format: not formatted: /'
  rm -f /tmp/check-format.$$
  exit 1
fi
rm -f /tmp/check-format.$$
echo "check-format: ${#files[@]} files laid out as .clang-format says"
