#!/usr/bin/env bash
# Cross-compiles the core and dtii-calc for 64-bit Windows into build-windows/bin/dtii-calc.exe
# (one self-contained program, static runtime), with the Windows tests of the system-dependent
# pieces as build-windows/bin/system_tests.exe. The Qt windows stay Linux-only.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh windows

# nlohmann-json is header-only; the cross build gets a folder that holds nothing else, because
# the host's /usr/include must never be searched by the Windows compiler.
mkdir -p build-windows/json-include
ln -sfn /usr/include/nlohmann build-windows/json-include/nlohmann

cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DDTII_JSON_INCLUDE_DIR="$PWD/build-windows/json-include" \
    -DDTII_WITH_UI=OFF -DDTII_WITH_BENCH=OFF -DDTII_WITH_TESTS=OFF -DDTII_WINDOWS_TESTS=ON "$@"
cmake --build build-windows -j "$(nproc)"
ls -l build-windows/bin/dtii-calc.exe
