#!/usr/bin/env bash
# Two copies of the game side by side in a virtual X server: a chip dragged from the left copy
# onto the right copy's betting spot must change nothing there, while a chip dragged inside the
# right copy still bets. Saves a screenshot after each step into OUT_DIR (default /tmp/two-tables).
#   soak/two-tables.sh [PROGRAM] [OUT_DIR]
set -euo pipefail
prog=${1:-build/vex-blackjack}
out=${2:-/tmp/two-tables}
mkdir -p "$out"
disp=":$((90 + RANDOM % 9))"
Xvfb "$disp" -screen 0 1400x600x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xpid=$!
export DISPLAY=$disp DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent
pids=()
trap 'kill "${pids[@]}" $xpid 2>/dev/null' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
. "$(dirname "$0")/layout.sh"
load_layout "$prog" || exit 2

window_of() {
  local w=""
  for _ in $(seq 200); do
    w=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1)
    [ -n "$w" ] && break
    sleep 0.05
  done
  echo "$w"
}
"$prog" >/dev/null 2>&1 & pids+=($!); left=$(window_of $!)
"$prog" >/dev/null 2>&1 & pids+=($!); right=$(window_of $!)
xdotool windowmove "$right" 700 0
sleep 0.5

# Screen places of a control's centre in the left and the right copy (both windows' client areas
# start at the top of the screen, the right one 700 px across).
left_of() { centre "$1"; }
right_of() { local x y; read -r x y <<<"$(centre "$1")"; echo $((700 + x)) "$y"; }
drag() {  # drag X1 Y1 X2 Y2, screen coordinates
  xdotool mousemove "$1" "$2" mousedown 1; sleep 0.05
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $(($1 + ($3 - $1) * i / 8)) $(($2 + ($4 - $2) * i / 8)); sleep 0.03
  done
  xdotool mouseup 1; sleep 0.4
}
shot() { import -window root "$out/$1"; }

# The right copy bets 10 $ with its own chip and deals.
drag $(right_of Image1) $(right_of Image3); shot 1-own-chip.png
xdotool mousemove $(right_of bnDeal) click 1; sleep 0.5; shot 2-dealt.png
# The left copy's 10 $ chip dropped on the right copy's spot, in the middle of its round.
drag $(left_of Image1) $(right_of Image3); shot 3-foreign-chip-in-round.png
# And onto the right copy while it waits for a bet.
xdotool mousemove $(right_of bnStay) click 1; sleep 3.6  # Stand, then the pause
drag $(left_of Image1) $(right_of Image3); shot 4-foreign-chip-betting.png
drag $(right_of Image2) $(right_of Image3); shot 5-own-chip-again.png
echo "two-tables: screenshots in $out"
