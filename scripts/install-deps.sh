#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run. Idempotent: it asks
# apt only when something is missing, so a second run costs a second or two.
set -euo pipefail

packages=(
    g++ cmake ninja-build make pkgconf clang-format
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    qt6-base-dev qt6-translations-l10n libgl1-mesa-dev
    libxlsxwriter-dev poppler-utils unzip
    fonts-wqy-microhei xvfb xauth
    clang libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
