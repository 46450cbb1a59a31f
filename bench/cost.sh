#!/usr/bin/env bash
# What the program costs, measured under a virtual X server, side by side with a bare Qt 6
# QMainWindow of the same size (bench/bare_window.cpp, built here too):
#   - start-up: exec to the table window mapped, and painted; median of RUNS starts (default 21);
#   - resident memory after start-up; and in the real table window played through its own
#     handlers (bench/WindowRounds.cpp), after start-up and after 1000, 2000 and 3000 rounds;
#   - idle: CPU time and wake-ups over IDLE_SECONDS (default 30) with the table waiting for a bet.
# usage: bench/cost.sh [BUILD_DIR]     (default build/, configured with the default preset if new)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${RUNS:-21}
idle_seconds=${IDLE_SECONDS:-30}

if [ ! -f "$build/CMakeCache.txt" ]; then
  if [ "$build" = build ]; then
    cmake --preset default >/dev/null
  else
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
fi
cmake --build "$build" -j2 --target vex-blackjack window_rounds bare_window startup_probe >/dev/null
game="$build/vex-blackjack"
bare="$build/bench/bare_window"
probe="$build/bench/startup_probe"
rounds_tool="$build/bench/window_rounds"

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# A private X server. -noreset: it must not reset when the last client of a run leaves.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp -noreset >/dev/null 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")"
# No session bus: nothing starts a bus daemon behind our back.
export DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_ACCESSIBILITY

stop() {  # ends a program we started and waits until it is gone
  kill "$1" 2>/dev/null || true
  for _ in $(seq 200); do
    [ -e "/proc/$1" ] && ! grep -q '^State:.*Z' "/proc/$1/status" 2>/dev/null || return 0
    sleep 0.01
  done
}
median() { sort -n | awk '{v[NR]=$1} END {if (NR%2) print v[(NR+1)/2]; else printf "%.2f\n", (v[NR/2]+v[NR/2+1])/2}'; }
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
threads() {  # one line per thread: id, context switches (voluntary and not: the wake-ups), name
  for t in /proc/"$1"/task/*; do
    printf '%s %s %s\n' "${t##*/}" \
      "$(awk '/ctxt_switches/ {n += $2} END {print n}' "$t/status" 2>/dev/null)" \
      "$(tr ' ' _ <"$t/comm" 2>/dev/null)"
  done
}
wakeups() {  # wake-ups between two snapshots; a thread that ended in between counts one
  awk 'NR == FNR {before[$1] = $2; name[$1] = $3; next}
       {after[$1] = $2}
       END {
         for (t in before) if (t in after) n += after[t] - before[t]; else {n++; gone = gone " " name[t]}
         printf "%d%s\n", n, gone == "" ? "" : " (ended:" gone ")"
       }' "$1" "$2"
}

# 1. Start-up, alternating the two programs so that both see the same machine.
echo "start-up: $runs runs each..." >&2
read -r _ _ pid < <("$probe" 15000 "$game"); stop "$pid"  # warms the caches, not counted
for i in $(seq "$runs"); do
  for name in game bare; do
    prog=$game; [ $name = bare ] && prog=$bare
    read -r map paint pid < <("$probe" 15000 "$prog")
    echo "$map" >>"$work/$name.map"
    echo "$paint" >>"$work/$name.paint"
    stop "$pid"
  done
done 2>/dev/null

# 2. Resident memory after start-up, then 3. the idle window, both programs side by side.
echo "memory and ${idle_seconds} s idle..." >&2
read -r _ _ game_pid < <("$probe" 15000 "$game"); pids+=("$game_pid")
read -r _ _ bare_pid < <("$probe" 15000 "$bare"); pids+=("$bare_pid")
sleep 2  # start-up's leftovers (font caches, first paints) settle
game_rss=$(rss_kib "$game_pid"); bare_rss=$(rss_kib "$bare_pid")
g_cpu0=$(cpu_ticks "$game_pid"); b_cpu0=$(cpu_ticks "$bare_pid")
threads "$game_pid" >"$work/game.t0"; threads "$bare_pid" >"$work/bare.t0"
sleep "$idle_seconds"
g_cpu1=$(cpu_ticks "$game_pid"); b_cpu1=$(cpu_ticks "$bare_pid")
threads "$game_pid" >"$work/game.t1"; threads "$bare_pid" >"$work/bare.t1"
hz=$(getconf CLK_TCK)

# The same idle time under strace: the calls that wait for events, each a wake-up.
g_polls=n/a; b_polls=n/a
if command -v strace >/dev/null; then
  echo "${idle_seconds} s idle under strace..." >&2
  tracers=()
  for name in game bare; do
    pid=$game_pid; [ $name = bare ] && pid=$bare_pid
    timeout -s INT "$idle_seconds" strace -c -f -p "$pid" \
      -e trace=poll,ppoll,select,pselect6,epoll_wait,epoll_pwait,futex,nanosleep,clock_nanosleep \
      -o "$work/$name.strace" 2>/dev/null &
    tracers+=($!)
  done
  wait "${tracers[@]}" || true
  count_calls() { awk '$NF=="total" {print $(NF-1)} ' "$1" 2>/dev/null || true; }
  g_polls=$(count_calls "$work/game.strace"); b_polls=$(count_calls "$work/bare.strace")
  [ -n "$g_polls" ] || g_polls=0; [ -n "$b_polls" ] || b_polls=0
fi
stop "$game_pid"; stop "$bare_pid"

# 4. The table window played through its own handlers, rounds at full speed.
echo "1000-round passes in the table window..." >&2
"$rounds_tool" 1000 >"$work/rounds" 2>/dev/null

# The report.
gm=$(median <"$work/game.map"); bm=$(median <"$work/bare.map")
gp=$(median <"$work/game.paint"); bp=$(median <"$work/bare.paint")
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
cpu_ms() { awk -v t="$1" -v hz="$hz" 'BEGIN {printf "%d", t * 1000 / hz}'; }
r_start=$(awk '$1=="start" {print $2}' "$work/rounds")
r_1000=$(awk '$1=="rounds" && $2==1000 {print $3}' "$work/rounds")
r_2000=$(awk '$1=="rounds" && $2==2000 {print $3}' "$work/rounds")
r_3000=$(awk '$1=="rounds" && $2==3000 {print $3}' "$work/rounds")
r_secs=$(awk '$1=="seconds" {print $2}' "$work/rounds")

cpu=$(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)
qt=$(pkg-config --modversion Qt6Core 2>/dev/null || echo "?")
echo "machine: $cpu, $(nproc) cores, Linux $(uname -r), Qt $qt, Xvfb 1280x900x24"
echo
printf '%-44s %14s %14s %s\n' "" "vex-blackjack" "bare window" "game / bare"
printf '%-44s %14s %14s %s\n' "start-up to window mapped, median ms" "$gm" "$bm" "x$(ratio "$gm" "$bm")"
printf '%-44s %14s %14s %s\n' "start-up to window painted, median ms" "$gp" "$bp" "x$(ratio "$gp" "$bp")  (goal x1.15)"
printf '%-44s %14s %14s %s\n' "resident memory after start-up, MiB" "$(mib "$game_rss")" "$(mib "$bare_rss")" \
  "+$(mib $((game_rss - bare_rss))) MiB  (goal +10)"
printf '%-44s %14s %14s\n' "idle ${idle_seconds} s: CPU time, ms" "$(cpu_ms $((g_cpu1 - g_cpu0)))" "$(cpu_ms $((b_cpu1 - b_cpu0)))"
echo "idle ${idle_seconds} s: wake-ups (context switches of all threads)"
echo "  vex-blackjack: $(wakeups "$work/game.t0" "$work/game.t1")"
echo "  bare window:   $(wakeups "$work/bare.t0" "$work/bare.t1")"
printf '%-44s %14s %14s\n' "idle ${idle_seconds} s: waits seen by strace" "$g_polls" "$b_polls"
echo
echo "table window played through its handlers (bench/window_rounds, ${r_secs} s):"
printf '  resident memory, MiB: after start-up %s, after 1000 rounds %s, 2000 %s, 3000 %s\n' \
  "$(mib "$r_start")" "$(mib "$r_1000")" "$(mib "$r_2000")" "$(mib "$r_3000")"
printf '  growth from round 1000 to 3000: %s KiB (goal: none)\n' "$((r_3000 - r_1000))"
