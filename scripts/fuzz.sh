#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS] — builds the two fuzzers with clang, AddressSanitizer and UndefinedBehavior-
# Sanitizer, and fuzzes for SECONDS in all (default 60): two thirds on event sequences, one third
# on typed amounts, each starting from its kept corpus and regression inputs.
#
# New inputs go to a scratch folder, so the kept corpora change only on purpose. To grow them
# after a long run, merge the run's folder in and keep the result small:
#   build-fuzz/fuzz/event_fuzzer -merge=1 fuzz/corpus/events NEW_INPUTS
# A fault stops the run with the rule that broke and the events that led there; the input is
# saved under build-fuzz/crashes/ (replay it with build-fuzz/fuzz/event_replay FILE).
#
# Environment: VEX_FUZZ_BUILD (build folder, default build-fuzz), CXX (default clang++),
# VEX_FUZZ_SOURCE (the top-level CMake folder, default the repository).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${VEX_FUZZ_BUILD:-build-fuzz}
source=${VEX_FUZZ_SOURCE:-.}  # another top-level CMake project that includes fuzz/, if any
cxx=${CXX:-clang++}

# A build folder configured from another source tree cannot be reused: start it afresh.
if [ -f "$build/CMakeCache.txt" ] && ! grep -qx "CMAKE_HOME_DIRECTORY:INTERNAL=$(cd "$source" && pwd)" "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" \
  -DVEX_BUILD_GUI=OFF -DVEX_BUILD_BENCH=OFF -DVEX_BUILD_FUZZERS=ON -DVEX_WERROR=ON \
  "-DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS" \
  "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j2 --target event_fuzzer amount_fuzzer

find_fuzzer() { find "$build" -name "$1" -type f -perm -u+x | head -n 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/events" "$scratch/amounts" "$build/crashes"

event_seconds=$((seconds * 2 / 3))
amount_seconds=$((seconds - event_seconds))
common=(-timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "-artifact_prefix=$build/crashes/")

echo "== event sequences, ${event_seconds} s"
"$(find_fuzzer event_fuzzer)" "${common[@]}" -max_len=4096 -max_total_time="$event_seconds" \
  "$scratch/events" fuzz/corpus/events fuzz/regressions/events 2>&1 | grep -v -E '^#[0-9]+\s+(NEW|REDUCE|pulse)'
echo "== typed amounts, ${amount_seconds} s"
"$(find_fuzzer amount_fuzzer)" "${common[@]}" -max_len=256 -max_total_time="$amount_seconds" \
  "$scratch/amounts" fuzz/corpus/amounts fuzz/regressions/amounts 2>&1 | grep -v -E '^#[0-9]+\s+(NEW|REDUCE|pulse)'
echo "fuzz: no fault in ${seconds} s"
