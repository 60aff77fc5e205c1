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
# The patches below are part of the key: a changed patch builds afresh.
patches=wide-file-calls-2
key=$( { echo "$source_version $patches"; printf '%s\n' "${options[@]}"; cat "$toolchain"; } | options_key)
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
# The packager and the file helper also take MinGW for "not Windows" and fall back to fopen, which
# reads a UTF-8 name in the ANSI code page: a folder with a Chinese name fails. Without that
# exception they open files by their UTF-16 names, as with MSVC.
for file in src/packager.c src/utility.c; do
    perl -0pi -e 's/#ifdef __MINGW32__\n#undef _WIN32\n#endif\n//' "$src/$file"
    ! grep -q '#undef _WIN32' "$src/$file"
done
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
