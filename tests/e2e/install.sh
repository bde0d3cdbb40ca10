#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary prefix and checks what a desktop sees: the file list, a valid desktop
# entry and metainfo, --version, and the installed program run from elsewhere, finding its own
# sounds relative to its executable.
source "$(dirname "$0")/lib.sh"
build=$(cd "$1" && pwd)
version=$2
prefix="$E2E_TMP/prefix"

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

expected="bin/limbora
share/applications/org.limbora.Limbora.desktop
share/doc/limbora/changelog.gz
share/doc/limbora/copyright
share/icons/hicolor/128x128/apps/org.limbora.Limbora.png
share/icons/hicolor/256x256/apps/org.limbora.Limbora.png
share/icons/hicolor/32x32/apps/org.limbora.Limbora.png
share/icons/hicolor/48x48/apps/org.limbora.Limbora.png
share/icons/hicolor/64x64/apps/org.limbora.Limbora.png
share/icons/hicolor/scalable/apps/org.limbora.Limbora.svg
share/limbora/About.wav
share/limbora/blue.wav
share/limbora/green.wav
share/limbora/hid.wav
share/limbora/leftfoot.wav
share/limbora/lefthand.wav
share/limbora/limbora.html
share/limbora/red.wav
share/limbora/rightfoot.wav
share/limbora/righthand.wav
share/limbora/yellow.wav
share/man/man6/limbora.6.gz
share/metainfo/org.limbora.Limbora.metainfo.xml"
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[[ "$actual" == "$expected" ]] || fail "installed files differ:
$(diff <(echo "$expected") <(echo "$actual"))"

desktop-file-validate "$prefix/share/applications/org.limbora.Limbora.desktop" \
    || fail "desktop entry not valid"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.limbora.Limbora.metainfo.xml" \
    >"$E2E_TMP/appstream" 2>&1 || fail "metainfo not valid: $(cat "$E2E_TMP/appstream")"
MANWIDTH=200 man -l "$prefix/share/man/man6/limbora.6.gz" 2>/dev/null | grep -q -E 'limbora +- +caller' || fail "manual page"

said=$("$prefix/bin/limbora" --version) || fail "--version failed"
[[ "$said" == "Limbora $version" ]] || fail "--version says '$said'"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/org.limbora.Limbora.metainfo.xml" \
    || fail "the metainfo's release is not $version"
zcat "$prefix/share/man/man6/limbora.6.gz" | grep -q "\"Limbora $version\"" || fail "manual page version"

# From another working directory, as a desktop starts it.
start_xvfb
cd /
export QT_LOGGING_RULES="limbora.game.debug=true;limbora.startup.debug=true"
start_program "$prefix/bin/limbora"

wait_for_trace "data directory $prefix/share/limbora/\$" 5
xdotool key --window "$WINDOW" alt+s
wait_for_trace 'sound-start (left|right)(hand|foot)\.wav wait' 15
echo "1 passed, 0 failed"
