#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SIGTERM in the middle of a game takes the close box's path: the placement is saved, the process
# ends at once, and the next start restores the placement.
source "$(dirname "$0")/lib.sh"
program=$1

start_xvfb
start_program "$program"
xdotool key --window "$WINDOW" alt+s
wait_for_trace 'status "The game will start"' 5
xdotool windowmove --sync "$WINDOW" 400 300
kill -TERM "$PROGRAM_PID"
wait_for_exit 1
placement=$(stored_placement)
[[ "$placement" == "MainHeight=6500 MainLeft=6000 MainTop=4500 MainWidth=6500 " ]] \
    || fail "stored placement: $placement"

start_program "$program"
geometry=$(xdotool getwindowgeometry "$WINDOW" | grep Position)
[[ "$geometry" == *"400,300"* ]] || fail "reopened at $geometry"
echo "1 passed, 0 failed"
