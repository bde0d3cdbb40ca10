#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the static Qt for Windows that Limbora's Windows build links against, from Debian's own
# source of the Qt the Linux build uses, cross-compiled with MinGW-w64. The result goes to a cache
# folder outside the clone and is reused while the version and options are the same (a stamp file
# is written last, so a build cut short is started again).
#   tools/windows/build-qt.sh          build if missing, print the install folder
#   tools/windows/build-qt.sh --prefix just print the install folder
# LIMBORA_QT_WINDOWS overrides the install folder; LIMBORA_DEBIAN_MIRROR the source archive.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$(cd "$here/../../cmake" && pwd)/mingw-w64-x86_64.cmake

qt_version=6.4.2
modules=(qt6-base)
jobs=${LIMBORA_QT_JOBS:-$(nproc)}
qtbase_options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_openssl=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_network=ON
    -DFEATURE_testlib=ON
)
# Windows' own libraries and the bundled third-party ones; OpenGL stays on because 6.4.2's
# Windows platform plugin doesn't compile without it.
stamp_text="qt $qt_version; ${modules[*]}; ${qtbase_options[*]}; $(sha256sum "$toolchain" | cut -c1-16)"
hash=$(printf '%s' "$stamp_text" | sha256sum | cut -c1-10)
prefix=${LIMBORA_QT_WINDOWS:-${XDG_CACHE_HOME:-$HOME/.cache}/limbora/qt-$qt_version-mingw-$hash}

if [[ ${1:-} == --prefix ]]; then
    echo "$prefix"
    exit 0
fi
if [[ -f "$prefix/.limbora-stamp" && "$(cat "$prefix/.limbora-stamp")" == "$stamp_text" ]]; then
    echo "$prefix"
    exit 0
fi

work=${LIMBORA_QT_WORK:-$prefix.work}
mkdir -p "$work"
cd "$work"
start=$(date +%s)

# Debian's source packages, fetched through a private apt configuration: the system's own
# sources are left alone.
mirror=${LIMBORA_DEBIAN_MIRROR:-http://deb.debian.org/debian}
mkdir -p apt/lists/partial apt/cache/archives/partial
echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror bookworm main" \
    >apt/sources.list
apt_options=(
    -o Dir::Etc::SourceList="$work/apt/sources.list" -o Dir::Etc::SourceParts=/nonexistent
    -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache"
    -o Debug::NoLocking=1
)
if ! ls qt6-base_*.orig.tar.* >/dev/null 2>&1; then
    apt-get "${apt_options[@]}" update -q
    apt-get "${apt_options[@]}" source --download-only "${modules[@]}"
fi
for module in "${modules[@]}"; do
    if [[ ! -d "src-$module" ]]; then
        rm -rf "src-$module.tmp"
        dpkg-source --no-check -x "$(ls "${module}"_*.dsc | head -n 1)" "src-$module.tmp" >/dev/null
        mv "src-$module.tmp" "src-$module"
    fi
done

# A build tree configured with these very options is built on where it stopped (or only
# installed, where it is complete): configuring again would cost a minute and may rebuild it all.
configured=build-qtbase/.limbora-configured
if [[ ! -f $configured || "$(cat "$configured")" != "$stamp_text|$prefix" ]]; then
    echo "build-qt: configuring qtbase into $prefix"
    rm -f "$configured"
    cmake -S src-qt6-base -B build-qtbase -G Ninja --fresh \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" "${qtbase_options[@]}"
    printf '%s' "$stamp_text|$prefix" >"$configured"
fi
cmake --build build-qtbase -j "$jobs"
cmake --install build-qtbase

echo "build-qt: done in $(($(date +%s) - start)) s"
printf '%s' "$stamp_text" >"$prefix/.limbora-stamp"
echo "$prefix"
