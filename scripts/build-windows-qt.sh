#!/usr/bin/env bash
# Cross-builds Qt's qtbase for 64-bit Windows (MinGW-w64, shared DLLs) from Debian's own source
# package, the same Qt version as the host tools, into a cache outside the checkout:
#   ~/.cache/dtii-designer/qt-<version>-mingw-<key>/
# where <key> hashes the configure options and the toolchain file, so a changed option builds
# a fresh Qt and an unchanged one is reused. Prints the installed prefix on its last line.
#   --cached         only say (exit status 0 or 1) whether the cache holds this Qt already
#   DTII_QT_JOBS     parallel build jobs (default: one per processor)
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
source scripts/windows-sources.sh

source_version=$(host_source_version qt6-base-dev-tools)
qt_version=${source_version%%+*}
toolchain=$checkout/cmake/mingw-w64-x86_64-shared.cmake
jobs=${DTII_QT_JOBS:-$(nproc)}

# Only what the programs use: Core, Gui, Widgets, PrintSupport, Test, the windows and offscreen
# platforms and the Windows print support. Every third-party library comes from Qt's own tree,
# so the DLLs depend on nothing but Windows and MinGW's runtime. Debian's source leaves out the
# tablet library, so tablet events are off; OpenGL stays, the Windows platform needs it. Nothing
# reads JPEG, GIF or ICO pictures, so their plugins and the JPEG library are left out. (Direct2D
# must stay: without it Qt 6.4 leaves out the DirectWrite font engine the print support needs.)
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
    -DFEATURE_jpeg=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_ico=OFF
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
key=$( { echo "$source_version"; printf '%s\n' "${options[@]}"; cat "$toolchain"; } | options_key)
prefix=$windows_cache/qt-$qt_version-mingw-$key
if [ "${1:-}" = --cached ]; then
    test -f "$prefix/.complete"
    exit
fi
lock_cache qt
if [ -f "$prefix/.complete" ]; then
    echo "Qt $qt_version for Windows: reusing $prefix"
    echo "$prefix"
    exit 0
fi

work=$prefix.build
rm -rf "$work" "$prefix"
mkdir -p "$work"
src=$(unpack_debian_source qt6-base "$source_version" "$work")

start=$(date +%s)
cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}"
nice -n 5 cmake --build "$work/build" -j "$jobs"
cmake --install "$work/build"
echo "Qt $qt_version for Windows built in $(($(date +%s) - start)) s into $prefix"
du -sh "$prefix"
# The licence texts travel with the DLLs in the Windows package.
cp "$src/LICENSES/LGPL-3.0-only.txt" "$src/LICENSES/GPL-3.0-only.txt" "$prefix/"
echo "$source_version" >"$prefix/.complete"
cd "$windows_cache"
rm -rf "$work"
echo "$prefix"
