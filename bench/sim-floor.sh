#!/usr/bin/env bash
# The odds simulator against the floor for this table, on one core each, side by side in one
# run. The floor (floor-sim.cpp in ../shared/tools beside the repository) plays the same rules
# with no table model, a swap-remove shoe and xoshiro; vex-simulate plays through the game's own
# handlers. Each is run RUNS times (default 3), alternating, and the median rate is kept.
# usage: bench/sim-floor.sh [BUILD_DIR]     (ROUNDS=20000000 RUNS=3 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rounds=${ROUNDS:-20000000}
runs=${RUNS:-3}
floor_src=../shared/tools/floor-sim.cpp

if [ ! -f "$floor_src" ]; then
  echo "sim-floor: $floor_src not found (a copy of shared/ goes beside the clone)" >&2
  exit 1
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  if [ "$build" = build ]; then
    cmake --preset default >/dev/null
  else
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
fi
cmake --build "$build" -j2 --target vex-simulate >/dev/null
floor="$build/bench/floor-sim"
mkdir -p "$build/bench"
if [ ! -x "$floor" ] || [ "$floor_src" -nt "$floor" ]; then
  # As its header says to build it.
  ${CXX:-g++} -O2 -std=c++20 -pthread "$floor_src" -o "$floor"
fi

median() { sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
: >"$build/bench/floor.rates"
: >"$build/bench/sim.rates"
for _ in $(seq "$runs"); do
  # floor-sim ROUNDS THREADS CHARLIE: one thread, the six-card win on, as this table plays.
  "$floor" "$rounds" 1 1 | sed -n 's/.* rate=\([0-9.]*\)M.*/\1/p' >>"$build/bench/floor.rates"
  "$build/vex-simulate" -j 1 -q -n "$rounds" | sed -n 's/^speed: \([0-9.]*\) M.*/\1/p' \
    >>"$build/bench/sim.rates"
done
f=$(median <"$build/bench/floor.rates")
s=$(median <"$build/bench/sim.rates")
echo "machine: $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo), load $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-34s %8s M rounds/s\n' "floor-sim, 1 thread" "$f"
printf '%-34s %8s M rounds/s\n' "vex-simulate -j 1" "$s"
awk -v s="$s" -v f="$f" 'BEGIN {printf "vex-simulate / floor: %.2f  (goal 0.33)\n", s / f}'
