#!/usr/bin/env bash
# leakcheck.sh [BUILD] — the game under Valgrind's memcheck with --leak-check=full: the core
# test suite, the shuffle statistics tests, the fuzz corpora replayed (every kept input is a
# scripted game), and the real program in a virtual X server for a short scripted session that
# ends with Game > Exit. Fails on any definite or indirect leak and on any memory error that
# valgrind.supp does not explain (it covers only reports from inside Qt and libxcb).
#
#   BUILD   a normal (not sanitizer) build folder with the tests and the game (default build)
# Needs: valgrind xvfb xdotool x11-utils imagemagick. Takes about three minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=$(mktemp -d /tmp/leakcheck.XXXXXX)
vg=(valgrind --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect
    --errors-for-leak-kinds=definite,indirect --error-exitcode=99 --num-callers=40
    --suppressions=soak/valgrind.supp)
find_exe() { find "$build" -name "$1" -type f -perm -u+x | head -n 1; }

failed=0
check() {  # name, then the command
  local name=$1; shift
  if "${vg[@]}" --log-file="$out/$name.log" "$@" >"$out/$name.out" 2>&1; then
    echo "leakcheck: $name: $(grep -h 'ERROR SUMMARY' "$out/$name.log" | sed 's/^==[0-9]*== //')"
  else
    echo "leakcheck: $name: FAILED, see $out/$name.log"; failed=1
  fi
}

check core_tests "$(find_exe core_tests)"
check shuffle_stats_tests "$(find_exe shuffle_stats_tests)"
check event_replay "$(find_exe event_replay)" fuzz/corpus/events fuzz/regressions/events
check amount_replay "$(find_exe amount_replay)" fuzz/corpus/amounts fuzz/regressions/amounts

# The real program: the soak's player for a minute, then Exit; valgrind's exit status (99 on a
# leak or an error) becomes the program's, which the soak requires to be 0.
if SOAK_WRAPPER="${vg[*]} --log-file=$out/game.log" SOAK_END_WITH_EXIT=1 SOAK_LOG="$out/game.out" \
    soak/soak.sh 60 "$build/vex-blackjack" >"$out/game.soak" 2>&1; then
  echo "leakcheck: game: $(grep -h 'ERROR SUMMARY' "$out/game.log" | sed 's/^==[0-9]*== //')"
else
  echo "leakcheck: game: FAILED, see $out/game.log and $out/game.soak"; failed=1
fi
grep -h -A5 'LEAK SUMMARY' "$out"/*.log | sed 's/^==[0-9]*== //' | grep -E 'definitely|indirectly' | sort | uniq -c
exit $failed
