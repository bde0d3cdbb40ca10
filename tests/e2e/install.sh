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
share/limbora/de/blue.wav
share/limbora/de/green.wav
share/limbora/de/leftfoot.wav
share/limbora/de/lefthand.wav
share/limbora/de/limbora.html
share/limbora/de/red.wav
share/limbora/de/rightfoot.wav
share/limbora/de/righthand.wav
share/limbora/de/yellow.wav
share/limbora/es/blue.wav
share/limbora/es/green.wav
share/limbora/es/leftfoot.wav
share/limbora/es/lefthand.wav
share/limbora/es/limbora.html
share/limbora/es/red.wav
share/limbora/es/rightfoot.wav
share/limbora/es/righthand.wav
share/limbora/es/yellow.wav
share/limbora/fr/blue.wav
share/limbora/fr/green.wav
share/limbora/fr/leftfoot.wav
share/limbora/fr/lefthand.wav
share/limbora/fr/limbora.html
share/limbora/fr/red.wav
share/limbora/fr/rightfoot.wav
share/limbora/fr/righthand.wav
share/limbora/fr/yellow.wav
share/limbora/gamestart.wav
share/limbora/gamestop.wav
share/limbora/gamewin.wav
share/limbora/green.wav
share/limbora/hid.wav
share/limbora/it/blue.wav
share/limbora/it/green.wav
share/limbora/it/leftfoot.wav
share/limbora/it/lefthand.wav
share/limbora/it/limbora.html
share/limbora/it/red.wav
share/limbora/it/rightfoot.wav
share/limbora/it/righthand.wav
share/limbora/it/yellow.wav
share/limbora/leftfoot.wav
share/limbora/lefthand.wav
share/limbora/limbora.html
share/limbora/nl/blue.wav
share/limbora/nl/green.wav
share/limbora/nl/leftfoot.wav
share/limbora/nl/lefthand.wav
share/limbora/nl/limbora.html
share/limbora/nl/red.wav
share/limbora/nl/rightfoot.wav
share/limbora/nl/righthand.wav
share/limbora/nl/yellow.wav
share/limbora/red.wav
share/limbora/rightfoot.wav
share/limbora/righthand.wav
share/limbora/tick.wav
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
