#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine (in WINEPREFIX) as the process itself (exec: its PID is the
# one that owns its windows), with the caller's QT_* variables. Wine keeps every QT_ variable of
# the Unix environment from Windows programs, so they go through the prefix's user environment
# (HKCU\Environment), which each program started there reads: written only where they changed
# since the last start, and removed there when the caller no longer sets them.
#   wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
wine=/usr/lib/wine/wine64
prefix=${WINEPREFIX:?WINEPREFIX names the Wine prefix}
state="$prefix/limbora-qt-environment"
key='HKCU\Environment'

wanted=$(env | grep '^QT_' | LC_ALL=C sort || true)
exec 9>"$state.lock"
flock -w 60 9
if [[ ! -f $state || "$(cat "$state")" != "$wanted" ]]; then
    if [[ -f $state ]]; then
        while IFS= read -r line; do
            if [[ -n $line ]] && ! grep -q "^${line%%=*}=" <<<"$wanted"; then
                timeout 60 "$wine" reg delete "$key" /v "${line%%=*}" /f </dev/null >/dev/null 2>&1 || true
            fi
        done <"$state"
    fi
    while IFS= read -r line; do
        [[ -n $line ]] || continue
        timeout 60 "$wine" reg add "$key" /v "${line%%=*}" /d "${line#*=}" /f </dev/null >/dev/null
    done <<<"$wanted"
    printf '%s' "$wanted" >"$state"
fi
exec 9>&-
exec "$wine" "$@"
