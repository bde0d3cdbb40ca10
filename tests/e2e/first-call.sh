#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program in a real X server: Alt+S starts a game, the first call comes ten seconds
# later, File > Exit ends the program and the placement is stored.
source "$(dirname "$0")/lib.sh"
program=$1

start_xvfb
start_program "$program"

xdotool key --window "$WINDOW" alt+s
wait_for_trace 'status "The game will start"' 5
wait_for_trace 'display "in 10 seconds\.\.\."' 1
wait_for_trace 'sound-start [a-z]+\.wav wait' 15

start=$(trace_ms 'status "The game will start"')
call=$(trace_ms 'sound-start')
elapsed=$((call - start))
((elapsed >= 10000 && elapsed <= 10100)) || fail "first call ${elapsed} ms after Start"
grep -q -E 'display "(LEFT|RIGHT) (HAND|FOOT) " #000000' "$E2E_TMP/trace" || fail "no limb shown"
grep -q -E 'display "in 1 seconds\.\.\."' "$E2E_TMP/trace" || fail "no 'in 1 seconds...'"

# Move it, then File > Exit from the keyboard, mid-call.
xdotool windowmove --sync "$WINDOW" 150 120
xdotool key --window "$WINDOW" alt+f
sleep 0.3
xdotool key x
wait_for_exit 2

placement=$(stored_placement)
[[ "$placement" == "MainHeight=6500 MainLeft=2250 MainTop=1800 MainWidth=6500 " ]] \
    || fail "stored placement: $placement"
echo "first call after ${elapsed} ms; stored: $placement"
echo "1 passed, 0 failed"
