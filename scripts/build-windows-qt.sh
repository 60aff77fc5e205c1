#!/usr/bin/env bash
# Cross-builds Qt's qtbase for 64-bit Windows (MinGW-w64, shared DLLs) from Debian's own source
# package, the same Qt version as the host tools, into a cache outside the checkout:
#   ~/.cache/dtii-designer/qt-<version>-mingw-<key>/
# where <key> hashes the configure options and the toolchain file, so a changed option builds
# a fresh Qt and an unchanged one is reused. Prints the installed prefix on its last line.
#   DTII_QT_CACHE   the cache folder (default ~/.cache/dtii-designer)
#   DTII_QT_JOBS    parallel build jobs (default 2)
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools | sed 's/+.*//')
source_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools)
toolchain=$checkout/cmake/mingw-w64-x86_64-shared.cmake
jobs=${DTII_QT_JOBS:-2}

# Only what the programs use: Core, Gui, Widgets, PrintSupport, Test, the windows and offscreen
# platforms and the Windows print support. Every third-party library comes from Qt's own tree,
# so the DLLs depend on nothing but Windows and MinGW's runtime.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_opengl=ON
    -DFEATURE_vulkan=OFF
    -DFEATURE_pkg_config=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_glib=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_printsupport=ON
    -DFEATURE_testlib=ON
    -DQT_QPA_DEFAULT_PLATFORM=windows
)
key=$( { echo "$source_version"; printf '%s\n' "${options[@]}"; cat "$toolchain"; } |
    sha256sum | cut -c1-12)
cache=${DTII_QT_CACHE:-$HOME/.cache/dtii-designer}
prefix=$cache/qt-$qt_version-mingw-$key
if [ -f "$prefix/.complete" ]; then
    echo "Qt $qt_version for Windows: reusing $prefix"
    echo "$prefix"
    exit 0
fi

# Debian's source for the host's exact Qt version; the deb-src entry mirrors the deb one.
if ! apt-get source --print-uris "qt6-base=$source_version" >/dev/null 2>&1; then
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
        "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/dtii-debian-src.sources >/dev/null
    "${sudo_cmd[@]}" apt-get update -qq
fi

work=$cache/qt-$qt_version-mingw-$key.build
rm -rf "$work" "$prefix"
mkdir -p "$work"
cd "$work"
apt-get source -qq "qt6-base=$source_version"
src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)

start=$(date +%s)
cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}"
nice -n 5 cmake --build "$work/build" -j "$jobs"
cmake --install "$work/build"
echo "Qt $qt_version for Windows built in $(($(date +%s) - start)) s into $prefix"
du -sh "$prefix"
cp "$src/LICENSES/LGPL-3.0-only.txt" "$src/LICENSES/GPL-3.0-only.txt" "$prefix/" 2>/dev/null || true
echo "$source_version" >"$prefix/.complete"
cd "$cache"
rm -rf "$work"
echo "$prefix"
