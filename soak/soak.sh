#!/usr/bin/env bash
# soak.sh SECONDS [PROGRAM] — plays the real game in a virtual X server for SECONDS with random
# player actions, then checks that it is still alive, still answers, and has not grown.
#
#   SECONDS   how long to play (default 120)
#   PROGRAM   the game (default build/vex-blackjack)
#
# Actions, chosen at random: chip drags onto the betting spot, onto the bet written on it and
# anywhere else; clicks on the places of Deal, Clear bet, Hit, Stand, Double and Split; the keys
# 1-4, Enter, H, S, D, P, C, F; the menu commands New Game, Borrow, Settings, How to play and
# About by keyboard (never Exit); "?", which opens the coach beside the table, left open. Every
# dialog that comes up is answered the way a player would: the insurance question with a number,
# text, nothing or a cancel; message boxes with OK; the check with a typed amount and Sign; the
# rules with a choice and OK; help with a topic and OK; the about box with Enter. The game-over window's OK ends the program legitimately: it is
# counted and the game is started again.
#
# Fails if the program dies any other way, if its resident memory grows by more than
# SOAK_RSS_GROWTH_KB (default 20000) between the end of a warm-up and the end of the run, or if
# the window stops answering. Needs: xvfb xdotool x11-utils imagemagick, and stacked_table beside
# PROGRAM (as the build puts it), which tells where the table's controls sit (soak/layout.sh).
# Environment: SOAK_SEED (random seed), SOAK_LOG (where the program's output goes),
# SOAK_WRAPPER (a command to run the program under, e.g. valgrind; memory is then not checked),
# SOAK_END_WITH_EXIT (set: end with Game > Exit and require a clean exit), SOAK_BIG_LOANS (one
# check in this many is for 32767 $, which soon reaches the debt ceiling; 0: never; default 40).
# Every minute a line reports the actions so far and the resident memory.
set -u

secs=${1:-120}
prog=${2:-build/vex-blackjack}
growth_limit=${SOAK_RSS_GROWTH_KB:-20000}
big_loans=${SOAK_BIG_LOANS:-40}  # one check in this many is the largest; 0: never (no game over)
warmup=$(( secs / 6 < 20 ? secs / 6 : 20 ))
RANDOM=${SOAK_SEED:-$$}
log=${SOAK_LOG:-$(mktemp /tmp/soak.XXXXXX.log)}
wrapper=${SOAK_WRAPPER:-}

for t in Xvfb xdotool xwininfo import; do
  command -v $t >/dev/null || { echo "soak: $t missing (apt-get install -y xvfb xdotool x11-utils imagemagick)"; exit 2; }
done
[ -x "$prog" ] || { echo "soak: no program at $prog"; exit 2; }
prog=$(realpath "$prog")

# A display nobody uses.
for n in $(seq 110 160); do
  [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ] || { disp=":$n"; break; }
done
Xvfb "$disp" -screen 0 1280x900x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$disp
export QT_QPA_PLATFORM=xcb  # a real X window, even when the caller runs Qt's tests offscreen
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  kill "$xvfb" 2>/dev/null
}
trap cleanup EXIT
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
. "$(dirname "$0")/layout.sh"
load_layout "$prog" || exit 2
chips=("$(centre Image1)" "$(centre Image2)" "$(centre Image5)" "$(centre Image4)")
# The dialogs' controls, in their own windows' coordinates: the rules' five options, the help's
# topics (its labels on the left, above the OK).
mapfile -t rule_options < <(names 'Rules.Option*')
mapfile -t help_topics < <(names 'frmHelp.Label*')
# The betting spot (twice as likely), a place on it off its centre, and the bet written on it.
drop_targets=("$(centre Image3)" "$(centre Image3)" "$(inside Image3 60 70)" "$(centre LabelMise)")
# Deal (twice as likely), Clear bet, Hit, Stand, Double, Split.
buttons=("$(centre bnDeal)" "$(centre bnDeal)" "$(centre bnClear)" "$(centre bnCard)"
         "$(centre bnStay)" "$(centre bnDouble)" "$(centre bnSplit)")
read -r table_left table_top table_width table_height <<<"${place[table]}"

declare -A done_count=()
count() { done_count[$1]=$(( ${done_count[$1]:-0} + 1 )); }
actions=0; starts=0; game_overs=0
rss_first_start=""; rss_start=""; rss_end=""; rss_max=0; instance_began=0

fail() {
  echo "soak: FAILED: $*"
  echo "soak: program output ($log):"; tail -n 30 "$log"
  exit 1
}

rss() { awk '/^VmRSS/{print $2}' "/proc/$pid/status" 2>/dev/null; }

start_game() {
  DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent $wrapper "$prog" >>"$log" 2>&1 &
  pid=$!
  main=""
  for _ in $(seq 600); do
    main=$(xdotool search --onlyvisible --name "^Vex's BlackJack$" 2>/dev/null | head -n 1)
    [ -n "$main" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended while starting"
    sleep 0.1
  done
  [ -n "$main" ] || fail "no window appeared"
  sleep 0.5
  local geo; geo=$(xwininfo -id "$main")
  wx=$(awk '/Absolute upper-left X/{print $4}' <<<"$geo")
  wy=$(awk '/Absolute upper-left Y/{print $4}' <<<"$geo")
  starts=$((starts + 1)); rss_start=""; instance_began=$SECONDS
}

# Window places (as --print-layout gives them) to screen places.
at() { echo $((wx + $1)) $((wy + $2)); }
click_table() { xdotool mousemove $(at "$1" "$2") click --delay 0 1; }
focus_main() { xdotool windowfocus "$main" 2>/dev/null; }

drag() {  # x1 y1 x2 y2, window coordinates
  local x1 y1 x2 y2 i
  read -r x1 y1 <<<"$(at "$1" "$2")"; read -r x2 y2 <<<"$(at "$3" "$4")"
  xdotool mousemove "$x1" "$y1" mousedown 1
  sleep 0.02
  for i in 1 2 3; do xdotool mousemove $((x1 + (x2 - x1) * i / 3)) $((y1 + (y2 - y1) * i / 3)); sleep 0.008; done
  xdotool mouseup 1
}

pick() { local a=("$@"); echo "${a[RANDOM % ${#a[@]}]}"; }

# Answers every window other than the table that is up, as a player would.
bank_typed=""
answer_dialogs() {
  local round w name geo dx dy
  for round in 1 2 3 4 5 6 7 8; do
    local others=()
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      [ "$w" = "$main" ] || others+=("$w")
    done
    [ ${#others[@]} -eq 0 ] && return
    local acted=0
    for w in "${others[@]}"; do
      name=$(xdotool getwindowname "$w" 2>/dev/null) || continue
      geo=$(xwininfo -id "$w" 2>/dev/null) || continue
      dx=$(awk '/Absolute upper-left X/{print $4}' <<<"$geo"); dy=$(awk '/Absolute upper-left Y/{print $4}' <<<"$geo")
      case $name in
        Insurance)
          xdotool windowfocus "$w" key ctrl+a
          local answer; answer=$(pick 0 0 5 10 20 25 50 "" abc -5 99999 7.5 "1 0" "&H10")
          [ -n "$answer" ] && xdotool type -- "$answer"
          if (( RANDOM % 10 == 0 )); then xdotool key Escape; count "insurance cancelled"; else xdotool key Return; count "insurance answered"; fi ;;
        "Vex's BlackJack")
          xdotool windowfocus "$w" key Return; count "message box" ;;
        Borrow)
          if [ "$bank_typed" != "$w" ]; then
            bank_typed=$w
            xdotool mousemove $(in_window "$dx" "$dy" frmBank.txtBorrow) click --delay 0 1 key ctrl+a
            # Mostly modest loans; now and then the largest check, which soon reaches the ceiling.
            local amount; amount=$(pick 100 500 1000 10 0 "" abc -50 12.5 "2 000" 40000 "&H1F4")
            (( big_loans > 0 && RANDOM % big_loans == 0 )) && amount=32767
            xdotool type -- "$amount"
            xdotool mousemove $(in_window "$dx" "$dy" frmBank.bnSign) click --delay 0 1
            count "check signed"; acted=1
          fi
          continue ;;  # a signed check closes by itself after 1.5 s
        Rules)
          xdotool mousemove $(in_window "$dx" "$dy" "$(pick "${rule_options[@]}")") click --delay 0 1
          xdotool mousemove $(in_window "$dx" "$dy" Rules.bnOK) click --delay 0 1; count "rules chosen" ;;
        "How to play BlackJack")
          xdotool mousemove $(in_window "$dx" "$dy" "$(pick "${help_topics[@]}")") click --delay 0 1
          sleep 0.05
          xdotool mousemove $(in_window "$dx" "$dy" frmHelp.Command1) click --delay 0 1; count "help read" ;;
        "About Vex's BlackJack")
          xdotool windowfocus "$w" key Return; count "about closed" ;;
        Coach)
          continue ;;  # the coach stays open beside the table and follows play
        "Game Over")
          game_overs=$((game_overs + 1))
          xdotool mousemove $(in_window "$dx" "$dy" frmEnd.Command1) click --delay 0 1
          for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
          wait "$pid"; local status=$?
          [ "$status" -eq 0 ] || fail "the game-over OK ended the program with status $status"
          pid=""; start_game; return ;;
        *)  # a dropped-down menu (the low-credit hint opens the Game menu): close it
          xdotool key Escape; count "menu closed" ;;
      esac
      acted=1
      sleep 0.05
    done
    (( acted )) || return
  done
}

one_action() {
  local r=$((RANDOM % 100))
  if (( r < 30 )); then  # a chip: mostly onto the spot or the bet written on it, sometimes astray
    local chip; chip=$(pick "${chips[@]}")
    local target; target=$(pick "${drop_targets[@]}" "$((table_left + RANDOM % table_width)) $((table_top + RANDOM % table_height))")
    drag $chip $target; count "chip drag"
  elif (( r < 62 )); then  # a click where a button sits: Deal, Clear bet, Hit, Stand, Double, Split
    click_table $(pick "${buttons[@]}"); count "button click"
  elif (( r < 90 )); then
    focus_main; xdotool key "$(pick 1 2 3 4 Return h s d p c f)"; count "key"
  elif (( r < 91 )); then
    sleep 0.5; count "pause"  # now and then the player just waits
  else
    focus_main
    case $(pick borrow borrow borrow settings settings help about newgame coach) in
      borrow) xdotool key alt+g; sleep 0.1; xdotool key b; count "menu Borrow" ;;
      settings) xdotool key alt+g; sleep 0.1; xdotool key s; count "menu Settings" ;;
      help) xdotool key alt+h; sleep 0.1; xdotool key h; count "menu How to play" ;;
      about) xdotool key alt+h; sleep 0.1; xdotool key a; count "menu About" ;;
      newgame) xdotool key alt+g; sleep 0.1; xdotool key n; count "menu New Game" ;;
      coach) xdotool key question; count "coach opened" ;;
    esac
  fi
  actions=$((actions + 1))
}

start_game
rss_first_start=""
began=$SECONDS
next_report=$((SECONDS + 60))
end=$((SECONDS + secs))
while (( SECONDS < end )); do
  one_action
  sleep 0.02
  answer_dialogs
  kill -0 "$pid" 2>/dev/null || { wait "$pid"; fail "the program died (status $?) after $actions actions"; }
  if [ -z "$wrapper" ]; then
    now=$(rss)
    [ -n "$now" ] && (( now > rss_max )) && rss_max=$now
    if [ -z "$rss_start" ] && (( SECONDS - instance_began >= warmup )); then
      rss_start=$now; [ -z "$rss_first_start" ] && rss_first_start=$now
    fi
  fi
  if (( SECONDS >= next_report )); then
    echo "soak: $((SECONDS - began)) s, $actions actions, start $starts, resident memory ${now:-?} kB"
    next_report=$((SECONDS + 60))
  fi
done

# Still answering? The about box must come and go, and a new game with a chip must change the table.
answer_dialogs
focus_main; xdotool key alt+h; sleep 0.15; xdotool key a
about=""
for _ in $(seq 30); do about=$(xdotool search --onlyvisible --name "^About Vex's BlackJack$" 2>/dev/null | head -n 1); [ -n "$about" ] && break; sleep 0.1; done
[ -n "$about" ] || fail "the about box did not open: the window no longer answers"
xdotool windowfocus "$about" key Return
sleep 0.3
before=$(import -window "$main" png:- 2>/dev/null | md5sum)
focus_main; xdotool key alt+g; sleep 0.15; xdotool key n; sleep 0.2; answer_dialogs
focus_main; xdotool key 2; sleep 0.3
after=$(import -window "$main" png:- 2>/dev/null | md5sum)
[ "$before" != "$after" ] || fail "the table did not change after New Game and a chip"
[ "$(xdotool getwindowname "$main")" = "Vex's BlackJack" ] || fail "the table window lost its title"
kill -0 "$pid" 2>/dev/null || fail "the program is gone at the end"

if [ -n "${SOAK_END_WITH_EXIT:-}" ]; then  # leave by Game > Exit, as a player would, and wait
  answer_dialogs
  focus_main; xdotool key alt+g; sleep 0.3; xdotool key x
  for _ in $(seq 1200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "Game > Exit did not end the program"
  wait "$pid"; status=$?; pid=""
  [ "$status" -eq 0 ] || fail "Game > Exit ended the program with status $status"
fi

echo "soak: ${secs} s, ${actions} actions, ${starts} program start(s), ${game_overs} legitimate game over(s)"
for k in "${!done_count[@]}"; do printf '  %-20s %d\n' "$k" "${done_count[$k]}"; done | sort
if [ -z "$wrapper" ] && [ -n "$pid" ]; then
  rss_end=$(rss)
  [ -n "$rss_start" ] || rss_start=$rss_end
  echo "soak: resident memory of the last start: ${rss_start} kB after the ${warmup} s warm-up, ${rss_end} kB at the end (${rss_max} kB at most over all starts; the first start measured ${rss_first_start} kB after its warm-up)"
  (( rss_end - rss_start <= growth_limit )) || fail "memory grew by $((rss_end - rss_start)) kB (limit ${growth_limit} kB)"
fi
echo "soak: passed"
