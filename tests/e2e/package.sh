#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it: the same files as the install, below /usr, and
# dependencies taken from the shared libraries the program links.
source "$(dirname "$0")/lib.sh"
build=$(cd "$1" && pwd)

(cd "$E2E_TMP" && cpack --config "$build/CPackConfig.cmake" -G DEB >"$E2E_TMP/cpack.log" 2>&1) \
    || fail "cpack failed: $(cat "$E2E_TMP/cpack.log")"
deb=$(ls "$E2E_TMP"/limbora_*.deb) || fail "no package"
[[ "$(basename "$deb")" == limbora_1.1_*.deb ]] || fail "package name $(basename "$deb")"

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)
for wanted in ./usr/bin/limbora ./usr/share/limbora/red.wav ./usr/share/limbora/limbora.html \
    ./usr/share/applications/org.limbora.Limbora.desktop ./usr/share/man/man6/limbora.6 \
    ./usr/share/icons/hicolor/scalable/apps/org.limbora.Limbora.svg; do
    grep -qx -- "$wanted" <<<"$files" || fail "$wanted is not in the package"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6multimedia6 libcanberra0 libc6; do
    [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
[[ "$(dpkg-deb -f "$deb" Section)" == games ]] || fail "section"
echo "package $(basename "$deb"), $(stat -c %s "$deb") bytes; Depends: $depends"
echo "1 passed, 0 failed"
