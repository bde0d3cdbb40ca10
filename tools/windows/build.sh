#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds Limbora for 64-bit Windows against the static Qt of build-qt.sh (built first where
# it is missing), in build-windows/, and packs what it built twice: the installer
# build-windows/limbora-<version>-setup.exe and the portable build-windows/limbora-<version>-windows.zip.
# The program is linked statically, Qt and MinGW's runtime alike: it needs nothing beside it but
# its data.
set -euo pipefail
cd "$(dirname "$0")/../.."
source=$PWD
dir=${LIMBORA_WINDOWS_BUILD_DIR:-build-windows}

tools/windows/build-qt.sh >&2
qt=$(tools/windows/build-qt.sh --prefix)

started=$(date +%s)
# pkg-config must not find the host's libraries (libpulse, libXss, libcanberra) for Windows.
export PKG_CONFIG_LIBDIR=/usr/x86_64-w64-mingw32/lib/pkgconfig PKG_CONFIG_PATH=
emulator="$source/tools/windows/wine-run.sh"
if [[ ! -f "$dir/build.ninja" ]] \
    || ! grep -qx "CMAKE_CROSSCOMPILING_EMULATOR:[A-Z]*=$emulator" "$dir/CMakeCache.txt"; then
    # Tests run under Wine, which ctest starts as the cross build's emulator (through
    # wine-run.sh, which hands Qt's variables on). Qt's translation tools are the host's: the
    # same 6.4.2.
    "$qt/bin/qt-cmake" -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$source/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$emulator" \
        -DQt6LinguistTools_DIR=/usr/lib/x86_64-linux-gnu/cmake/Qt6LinguistTools \
        $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake --build "$dir" -j "$(nproc)"
echo "windows: built in $(($(date +%s) - started)) s"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$dir/CMakeCache.txt")
# Absolute: makensis works from the script's own folder.
stage="$PWD/$dir/package"
rm -rf "$stage"
cmake --install "$dir" --prefix "$stage/root" --strip >/dev/null
# On Windows the program and its data sit together in one folder.
mv "$stage/root/bin" "$stage/Limbora"
rm -rf "$stage/root"

makensis -V2 -DVERSION="$version" -DSTAGE="$stage/Limbora" \
    -DOUTFILE="$PWD/$dir/limbora-$version-setup.exe" -DLICENSE="$source/LICENSE" \
    -DICON="$source/assets/pictures/limbora.ico" packaging/windows/limbora.nsi
cp LICENSE "$stage/Limbora/LICENSE.txt"
rm -f "$dir/limbora-$version-windows.zip"
(cd "$stage" && zip -q -r "../limbora-$version-windows.zip" Limbora)
ls "$dir/limbora-$version-setup.exe" "$dir/limbora-$version-windows.zip"
