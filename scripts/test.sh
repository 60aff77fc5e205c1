#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test: the full build with the Qt windows on the
# offscreen platform; the README's run command in a fresh minimal Debian root; the Debian package
# and the programs it installs; dtii-calc.exe under Wine (with the Windows designer, its sheet,
# workbook and installer where Qt for Windows is cached or asked for); then the core and
# command-line tests again under AddressSanitizer and UndefinedBehaviorSanitizer, then a minute
# of fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package windows fresh

# Qt for Windows takes long to build the first time on a machine, so the Windows designer is
# built and proved when its Qt is cached already, or when DTII_WINDOWS_DESIGNER=1 asks for it
# (CI does); otherwise only dtii-calc.exe is. Asked for on a machine without it, Qt builds in the
# background (at a lower priority) while the Linux tests run; the Windows step further down waits
# for it through the cache's lock.
qt_cached=0
if bash scripts/build-windows-qt.sh --cached; then qt_cached=1; fi
export DTII_WINDOWS_DESIGNER=${DTII_WINDOWS_DESIGNER:-$qt_cached}
if [ "$DTII_WINDOWS_DESIGNER" = 1 ] && [ "$qt_cached" = 0 ]; then
    mkdir -p build
    echo "Building Qt for Windows in the background (log: build/windows-qt.log)"
    setsid bash scripts/build-windows-qt.sh >build/windows-qt.log 2>&1 &
    qt_build=$!
    # A run that stops early takes the background build, compilers and all, with it.
    trap 'kill -- -"$qt_build" 2>/dev/null || true' EXIT
fi

# Every C++ file exactly as clang-format writes it.
find src tests bench fuzz -name '*.cpp' -o -name '*.h' | sort | xargs clang-format --dry-run --Werror

bash scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"

# A newcomer's first command, on a machine that has nothing but a minimal Debian.
if [ "$(id -u)" -eq 0 ]; then
    bash scripts/test-fresh-root.sh
else
    sudo bash scripts/test-fresh-root.sh
fi

bash scripts/test-package.sh

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDTII_SANITIZE=ON \
    -DDTII_WITH_UI=OFF -DDTII_WITH_BENCH=OFF
cmake --build build-sanitize -j "$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

# A minute of fuzzing the design file through the whole command; any finding fails the run.
bash scripts/fuzz.sh 60

# Last, so that a Qt for Windows still building in the background has had the longest time.
bash scripts/test-windows.sh
