#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build's tests, under Wine on a private X server, each part in a fresh Wine prefix:
#  1. the cross-built unit and widget tests (ctest starts each under Wine, the build's emulator);
#  2. every DLL the program imports is Windows' own (in Wine's system32) or beside it;
#  3. the installer, silently: the program, its Start menu entry and its entry among the installed
#     programs; the installed program played end to end by the Linux build's scripts
#     (tests/e2e/), through a wrapper that starts it under Wine, with a window manager as any
#     Windows desktop has; the uninstaller, silently, leaving only the settings.
# Run after tools/windows/build.sh. Naming scenarios (tools/windows/test.sh closing pause) runs
# only the installer and those, for a fault's inner loop.
set -euo pipefail
cd "$(dirname "$0")/../.."
source=$PWD
dir=${LIMBORA_WINDOWS_BUILD_DIR:-build-windows}
wine=/usr/lib/wine/wine64
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
setup="$PWD/$dir/limbora-$version-setup.exe"
work=$(mktemp -d "${TMPDIR:-/tmp}/limbora-windows-XXXXXX")
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
finish() {
    for prefix in "$work"/prefix-*; do
        # A server already gone is fine: the folder goes all the same.
        [[ -d $prefix ]] && WINEPREFIX=$prefix timeout 10 /usr/lib/wine/wineserver -k 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT
status=0
fail() {
    echo "FAIL: $*" >&2
    status=1
}
started=$(date +%s)

# A prefix of its own, as a first start on Windows 10 (Qt 6 needs 10).
new_prefix() {
    export WINEPREFIX="$work/prefix-$1"
    timeout 300 "$wine" wineboot -i >/dev/null 2>&1
    timeout 60 "$wine" reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null
}

scenarios=("$@")
if [[ ${#scenarios[@]} -eq 0 ]]; then
    scenarios=(game pause stop closing faults_audio one_caller)
    echo "== unit and widget tests under Wine"
    new_prefix unit
    ctest --test-dir "$dir" --output-on-failure -j 2 || fail "unit and widget tests"
fi

new_prefix install
echo "== imported DLLs"
exe="$dir/package/Limbora/limbora.exe"
system32="$WINEPREFIX/drive_c/windows/system32"
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p'); do
    # API sets (api-ms-win-*, ext-ms-win-*) are names Windows' loader maps onto its own DLLs;
    # there is no such file, on Windows 10 or in Wine.
    if [[ ${dll,,} == api-ms-win-* || ${dll,,} == ext-ms-win-* ]]; then
        continue
    fi
    if [[ -z $(find "$system32" "$(dirname "$exe")" -maxdepth 1 -iname "$dll" | head -n 1) ]]; then
        fail "limbora.exe imports $dll, neither Windows' own nor beside it"
    fi
done

echo "== installer"
timeout 120 "$wine" "$setup" /S || fail "the installer"
timeout 30 /usr/lib/wine/wineserver -w
# Wine names the profile after the Unix account (USER may be unset).
users="$WINEPREFIX/drive_c/users/$(id -un)"
installed="$users/AppData/Local/Programs/Limbora"
settings="$users/AppData/Roaming/Limbora/Limbora.ini"
[[ -f "$installed/limbora.exe" && -f "$installed/red.wav" && -f "$installed/de/red.wav" ]] \
    || fail "the program and its data are not in $installed"
[[ -f "$users/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Limbora.lnk" ]] \
    || fail "no Start menu entry"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Limbora'
timeout 60 "$wine" reg query "$key" /v UninstallString >/dev/null || fail "no entry among the installed programs"

# The Linux build's end-to-end scripts, on the installed program: Wine passes the private X
# server and PulseAudio server on, wine-run.sh the scripts' Qt variables, and Qt's messages (the
# scripts' trace) go to stderr. A Windows program gets no signals (Wine's process just dies): the
# wrapper runs it as its child and turns a SIGTERM, the desktop's request to end on Linux, into
# Windows' own, the session's end; killed outright, it takes the program with it.
cat >"$work/limbora" <<WRAPPER
#!/bin/bash
export WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all QT_FORCE_STDERR_LOGGING=1
setpriv --pdeathsig KILL '$source/tools/windows/wine-run.sh' '$installed/limbora.exe' "\$@" &
program=\$!
ended= status=
trap 'ended=1 cut=1; timeout 30 $wine wineboot --end-session </dev/null >/dev/null 2>&1' TERM
# A trap cuts the wait short (128 + the signal): the program's own code comes from the next one.
until [[ -n \$status ]]; do
    cut=
    wait "\$program" && code=0 || code=\$?
    [[ -n \$cut ]] || status=\$code
done
# As Windows does, Wine ends a program still there after the session's end (TerminateProcess,
# code 0): SIGKILL to its process.
[[ -n \$ended && \$status == 137 ]] && status=0
exit "\$status"
WRAPPER
chmod +x "$work/limbora"
# Wine draws each window's Windows frame itself, as Windows does, and the window manager only
# places the whole: where both framed it, a window put back at its stored frame came up a frame
# further down and right.
timeout 60 "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null
export LIMBORA_E2E_SETTINGS_FILE="$settings" LIMBORA_E2E_TRACE_CLOCK=monotonic_raw LIMBORA_E2E_WINE=1
for scenario in "${scenarios[@]}"; do
    echo "== $scenario, installed, under Wine"
    # Wine's desktop belongs to the X server of the program that started the prefix's server
    # (none, for the installer and reg): each script, on an X server of its own, starts it anew.
    timeout 30 /usr/lib/wine/wineserver -w || /usr/lib/wine/wineserver -k
    /usr/bin/python3 tests/e2e/$scenario.py "$work/limbora" || fail "$scenario"
done

echo "== uninstaller"
# A user's settings, which must outlive the program.
mkdir -p "$(dirname "$settings")"
printf '[Settings]\r\nMainLeft=1500\r\n' >"$settings"
cp "$settings" "$work/settings-before"
timeout 120 "$wine" "$installed/uninstall.exe" /S || fail "the uninstaller"
timeout 30 /usr/lib/wine/wineserver -w
sleep 2 # it runs from a copy of itself, which removes the original as it ends
[[ ! -e "$installed" ]] || fail "the uninstaller left $(ls "$installed")"
cmp -s "$settings" "$work/settings-before" || fail "the uninstaller removed or changed the settings"
! timeout 60 "$wine" reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left its entry"

echo "windows tests: $(($(date +%s) - started)) s, $([[ $status == 0 ]] && echo passed || echo FAILED)"
exit "$status"
