# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the end-to-end tests: a private X server, the real program with its game trace on,
# and cleanup of everything started, whatever happens. The environment is the same clean one the
# Python harness uses: nothing of the caller's display, audio, settings or language.
# shellcheck shell=bash

set -euo pipefail

E2E_LIB=$(dirname "${BASH_SOURCE[0]}")
E2E_TMP=$(mktemp -d)
E2E_PIDS=()

clean=$(/usr/bin/env python3 "$E2E_LIB/private_desktop.py" env "$E2E_TMP") || exit 1
for name in $(compgen -e); do
    [[ $name == SHELLOPTS || $name == BASHOPTS ]] || unset "$name"
done
while IFS= read -r line; do
    export "${line%%=*}=${line#*=}"
done <<<"$clean"
unset clean name line

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

# Starts Xvfb on a free display, as the Python harness does, and exports DISPLAY.
start_xvfb() {
    local number pid
    read -r number pid < <(python3 "$E2E_LIB/private_desktop.py" xvfb "$E2E_TMP/xvfb.log") \
        || fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log" 2>/dev/null)"
    [[ -n "$pid" ]] || fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log" 2>/dev/null)"
    E2E_PIDS+=("$pid")
    export DISPLAY=":$number"
}

# Starts the program with a fresh settings directory and its trace in $E2E_TMP/trace.
# Sets PROGRAM_PID and WINDOW.
start_program() {
    local program=$1
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
