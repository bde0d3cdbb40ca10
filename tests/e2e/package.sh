#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it: the files of the install, below /usr with the program
# in /usr/games, dependencies taken from the shared libraries the program links, and Debian's own
# checker (lintian) finding nothing to warn about.
source "$(dirname "$0")/lib.sh"
build=$(cd "$1" && pwd)
version=$2

(cd "$E2E_TMP" && cpack --config "$build/CPackConfig.cmake" -G DEB >"$E2E_TMP/cpack.log" 2>&1) \
    || fail "cpack failed: $(cat "$E2E_TMP/cpack.log")"
deb=$(ls "$E2E_TMP"/limbora_*.deb) || fail "no package"
[[ "$(basename "$deb")" == "limbora_${version}_"*.deb ]] || fail "package name $(basename "$deb")"
[[ "$(dpkg-deb -f "$deb" Version)" == "$version" ]] || fail "package version"

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)
for wanted in ./usr/games/limbora ./usr/share/limbora/red.wav ./usr/share/limbora/limbora.html \
    ./usr/share/applications/org.limbora.Limbora.desktop ./usr/share/man/man6/limbora.6.gz \
    ./usr/share/doc/limbora/copyright ./usr/share/doc/limbora/changelog.gz \
    ./usr/share/icons/hicolor/scalable/apps/org.limbora.Limbora.svg; do
    grep -qx -- "$wanted" <<<"$files" || fail "$wanted is not in the package"
done
! grep -q '^\./usr/bin/' <<<"$files" || fail "a program in /usr/bin: $(grep '^\./usr/bin/' <<<"$files")"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6multimedia6 libcanberra0 libc6 qt6-wayland; do
    [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
[[ "$(dpkg-deb -f "$deb" Section)" == games ]] || fail "section"

# The packaged program, unpacked elsewhere, runs from games/ and finds its data in share/limbora.
mkdir "$E2E_TMP/root"
dpkg-deb -x "$deb" "$E2E_TMP/root"
said=$("$E2E_TMP/root/usr/games/limbora" --version) || fail "the packaged program does not run"
[[ "$said" == "Limbora $version" ]] || fail "--version says '$said'"
start_xvfb
export QT_LOGGING_RULES="limbora.startup.debug=true"
start_program "$E2E_TMP/root/usr/games/limbora"
wait_for_trace "data directory $E2E_TMP/root/usr/share/limbora/\$" 5

# Every warning or error of lintian fails; its notes (I:) are shown but pass.
lintian --no-cfg --fail-on error,warning "$deb" >"$E2E_TMP/lintian" 2>&1 \
    || fail "lintian: $(cat "$E2E_TMP/lintian")"
! grep -E '^[EW]: ' "$E2E_TMP/lintian" || fail "lintian: $(cat "$E2E_TMP/lintian")"
grep -E '^[A-Z]: ' "$E2E_TMP/lintian" || true
echo "package $(basename "$deb"), $(stat -c %s "$deb") bytes; Depends: $depends"
echo "1 passed, 0 failed"
