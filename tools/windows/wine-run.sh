#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine (in WINEPREFIX) as the process itself (exec: its PID is the
# one that owns its windows), with the caller's QT_* variables. Wine keeps every QT_ variable of
# the Unix environment from Windows programs, so they go through the prefix's user environment
# (HKCU\Environment), which each program started there reads: written where they differ from
# what it holds, and removed there when the caller doesn't set them.
#   wine-run.sh PROGRAM.exe [ARGUMENTS...]
set -euo pipefail
wine=/usr/lib/wine/wine64
prefix=${WINEPREFIX:?WINEPREFIX names the Wine prefix}
key='HKCU\Environment'

wanted=$(env | grep '^QT_' | LC_ALL=C sort || true)
# One start at a time changes the prefix's environment. The Wine processes started meanwhile
# don't get the lock (9>&-): the first of them starts the prefix's server, which would hold it.
exec 9>"$prefix/limbora-qt-environment.lock"
flock -w 60 9
# What the registry holds (not what an earlier start wrote: a killed Wine server keeps no change).
held=$(timeout 60 "$wine" reg query "$key" </dev/null 2>/dev/null 9>&- | tr -d '\r' \
    | sed -n 's/^    \(QT_[^ ]*\)    REG_[A-Z_]*    \(.*\)$/\1=\2/p' | LC_ALL=C sort || true)
while IFS= read -r line; do
    if [[ -n $line ]] && ! grep -q "^${line%%=*}=" <<<"$wanted"; then
        timeout 60 "$wine" reg delete "$key" /v "${line%%=*}" /f </dev/null >/dev/null 2>&1 9>&- || true
    fi
done <<<"$held"
while IFS= read -r line; do
    if [[ -n $line ]] && ! grep -qxF "$line" <<<"$held"; then
        timeout 60 "$wine" reg add "$key" /v "${line%%=*}" /d "${line#*=}" /f </dev/null >/dev/null 9>&-
    fi
done <<<"$wanted"
exec 9>&-
exec "$wine" "$@"
