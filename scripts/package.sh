#!/usr/bin/env bash
# Builds the programs for release (Debian's hardening flags, no tests or benchmarks) and makes
# the Debian package dist/dtii-designer_<version>_<arch>.deb with CPack.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh package

# The compiler and linker flags every Debian package is built with (fortified, read-only
# relocations bound at start, stack protector), on top of the Release optimisation.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
export CXXFLAGS LDFLAGS

cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DDTII_WITH_TESTS=OFF -DDTII_WITH_BENCH=OFF "$@"
cmake --build build-package -j "$(nproc)"
rm -f dist/dtii-designer_*.deb
(cd build-package && cpack -G DEB -B "$PWD/../dist")
rm -rf dist/_CPack_Packages
ls dist/dtii-designer_*.deb
