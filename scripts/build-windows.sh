#!/usr/bin/env bash
# Cross-compiles the core and dtii-calc for 64-bit Windows into build-windows/bin/dtii-calc.exe
# (one self-contained program, static runtime), with the Windows tests of the system-dependent
# pieces as build-windows/bin/system_tests.exe. The Qt windows stay Linux-only.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh windows

# nlohmann-json is header-only: cmake/windows-json/ lets every find_package of it use the host's
# headers without putting the host's /usr/include on the Windows compiler's path.
cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -Dnlohmann_json_DIR="$PWD/cmake/windows-json" \
    -DDTII_WITH_UI=OFF -DDTII_WITH_BENCH=OFF -DDTII_WITH_TESTS=OFF -DDTII_WINDOWS_TESTS=ON "$@"
cmake --build build-windows -j "$(nproc)"
ls -l build-windows/bin/dtii-calc.exe
