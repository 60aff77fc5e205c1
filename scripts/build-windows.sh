#!/usr/bin/env bash
# Builds the program for 64-bit Windows from Linux with MinGW-w64.
#   DTII_WINDOWS_DESIGNER=1 (the default) builds everything: Qt and libxlsxwriter for Windows
#     from Debian's sources (once per machine, cached in ~/.cache/dtii-designer/; a cold Qt build
#     takes about 25 minutes on two idle cores), then dtii-designer.exe, dtii-calc.exe and the
#     companion dtii-calc-sheet.exe with the Windows tests into build-windows-designer/, and finally
#     dist/dtii-designer-<version>-win64-setup.exe and dist/dtii-designer-<version>-win64.zip.
#   DTII_WINDOWS_DESIGNER=0 builds only the self-contained command build-windows/bin/dtii-calc.exe
#     (no Qt needed) with the Windows tests of the system-dependent pieces.
# Further arguments go to the configuring cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh windows

# nlohmann-json is header-only: cmake/windows-json/ lets every find_package of it use the host's
# headers without putting the host's /usr/include on the Windows compiler's path.
json=(-Dnlohmann_json_DIR="$PWD/cmake/windows-json")

if [ "${DTII_WINDOWS_DESIGNER:-1}" != 1 ]; then
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" "${json[@]}" \
        -DDTII_WITH_UI=OFF -DDTII_WITH_BENCH=OFF -DDTII_WITH_TESTS=OFF -DDTII_WINDOWS_TESTS=ON "$@"
    cmake --build build-windows -j "$(nproc)"
    ls -l build-windows/bin/dtii-calc.exe
    exit 0
fi

qt=$(bash scripts/build-windows-qt.sh | tail -n1)
xlsxwriter=$(bash scripts/build-windows-xlsxwriter.sh | tail -n1)
# A tree configured against another Qt for Windows (one built with other options) is configured
# afresh: CMake's cache would go on finding the old one.
fresh=()
cache=build-windows-designer/CMakeCache.txt
if [ -f "$cache" ] && ! grep -qxF "Qt6_DIR:PATH=$qt/lib/cmake/Qt6" "$cache"; then fresh=(--fresh); fi
# Qt's code generators are the host's (the same Qt version); the Windows libraries are found
# only in the two caches and MinGW's own folder.
PKG_CONFIG_LIBDIR=$xlsxwriter/lib/pkgconfig \
    cmake "${fresh[@]}" -S . -B build-windows-designer -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64-shared.cmake" \
    -DCMAKE_FIND_ROOT_PATH="$qt;$xlsxwriter" -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake "${json[@]}" \
    -DDTII_WITH_UI=ON -DDTII_WITH_BENCH=OFF -DDTII_WITH_TESTS=OFF -DDTII_WINDOWS_TESTS=ON "$@"
cmake --build build-windows-designer -j "$(nproc)"
bash scripts/package-windows.sh build-windows-designer "$qt" "$xlsxwriter"
