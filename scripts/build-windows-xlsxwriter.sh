#!/usr/bin/env bash
# Cross-builds libxlsxwriter for 64-bit Windows (a static library with zlib linked in) from
# Debian's source of the host's version, into the cache:
#   ~/.cache/dtii-designer/xlsxwriter-<version>-mingw-<key>/
# with a pkg-config file for the Windows build. Prints the installed prefix on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
source scripts/windows-sources.sh

source_version=$(host_source_version libxlsxwriter-dev)
toolchain=$checkout/cmake/mingw-w64-x86_64-shared.cmake
# Minizip, MD5 and the temporary files from the library's own tree; zlib from Debian's MinGW
# build, linked statically so that no zlib1.dll has to travel with the programs.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DUSE_SYSTEM_MINIZIP=OFF
    -DBUILD_TESTS=OFF
    -DBUILD_EXAMPLES=OFF
    -DZLIB_LIBRARY=$mingw_prefix/lib/libz.a
    -DZLIB_INCLUDE_DIR=$mingw_prefix/include
)
key=$( { echo "$source_version"; printf '%s\n' "${options[@]}"; cat "$toolchain"; } | options_key)
prefix=$windows_cache/xlsxwriter-${source_version%%-*}-mingw-$key
lock_cache xlsxwriter
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$prefix.build
rm -rf "$work" "$prefix"
mkdir -p "$work"
src=$(unpack_debian_source libxlsxwriter "$source_version" "$work")
# The library opens the workbook through the wide-character Windows file calls (so that UTF-8
# paths with Chinese names work), but its build adds those calls only for MSVC.
perl -0pi -e 's/if\(MSVC\)(\s*list\(APPEND LXW_SOURCES third_party\/minizip\/iowin32)/if(WIN32)$1/' \
    "$src/CMakeLists.txt"
grep -q 'if(WIN32)' "$src/CMakeLists.txt"
cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/build.log" 2>&1 &&
    nice -n 5 cmake --build "$work/build" -j 2 >>"$work/build.log" 2>&1 ||
    { tail -30 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >/dev/null
mkdir -p "$prefix/lib/pkgconfig" "$prefix/share/licenses"
# Beside the library, so that the cross build's library search finds this zlib and not the DLL's.
cp "$mingw_prefix/lib/libz.a" "$prefix/lib/"
cat >"$prefix/lib/pkgconfig/xlsxwriter.pc" <<PC
prefix=$prefix
Name: xlsxwriter
Description: libxlsxwriter for 64-bit Windows
Version: ${source_version%%-*}
Cflags: -I\${prefix}/include
Libs: -L\${prefix}/lib -lxlsxwriter -lz
PC
cp "$src/License.txt" "$prefix/share/licenses/libxlsxwriter.txt"
echo "$source_version" >"$prefix/.complete"
rm -rf "$work"
echo "$prefix"
