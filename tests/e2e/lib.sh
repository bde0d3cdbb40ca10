# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the end-to-end tests: a private X server, the real program with its game trace on,
# and cleanup of everything started, whatever happens.
# shellcheck shell=bash

set -euo pipefail

E2E_TMP=$(mktemp -d)
E2E_PIDS=()

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [[ -f "$E2E_TMP/trace" ]]; then
        echo "--- trace" >&2
        cat "$E2E_TMP/trace" >&2
    fi
    exit 1
}

# Starts Xvfb on a display it picks itself and exports DISPLAY.
start_xvfb() {
    local fifo="$E2E_TMP/displayfd"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
    E2E_PIDS+=($!)
    local number
    read -r -t 10 number <"$fifo" || fail "Xvfb did not start"
    export DISPLAY=":$number"
}

# Starts the program with a fresh settings directory and its trace in $E2E_TMP/trace.
# Sets PROGRAM_PID and WINDOW.
start_program() {
    local program=$1
    export XDG_CONFIG_HOME="$E2E_TMP/config"
    export QT_LOGGING_RULES="${QT_LOGGING_RULES:-limbora.game.debug=true}"
    export QT_MESSAGE_PATTERN='%{time process} %{category}: %{message}'
    "$program" >"$E2E_TMP/trace" 2>&1 &
    PROGRAM_PID=$!
    E2E_PIDS+=("$PROGRAM_PID")
    WINDOW=""
    local tries
    for tries in $(seq 100); do
        WINDOW=$(xdotool search --onlyvisible --name '^Limbora$' 2>/dev/null | head -n 1) || true
        [[ -n "$WINDOW" ]] && break
        sleep 0.05
    done
    [[ -n "$WINDOW" ]] || fail "the window did not show"
    xdotool windowfocus --sync "$WINDOW"
}

# Waits until the trace has a line matching the pattern, at most the given seconds.
wait_for_trace() {
    local pattern=$1 seconds=$2
    local deadline=$((SECONDS + seconds))
    until grep -q -E "$pattern" "$E2E_TMP/trace"; do
        ((SECONDS < deadline)) || fail "no trace line matching '$pattern' within ${seconds}s"
        sleep 0.05
    done
}
