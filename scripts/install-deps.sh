#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run. Idempotent: it asks
# apt only when something is missing, so a second run costs a second or two.
#   install-deps.sh            building, running and testing on Linux
#   install-deps.sh package    also making and checking the Debian package
#   install-deps.sh windows    also cross-building the Windows programs (Qt and libxlsxwriter
#                              from Debian's sources), their installer, and running them under Wine
#   install-deps.sh fresh      also making a minimal Debian root to try the README's commands in
set -euo pipefail

packages=(
    g++ cmake ninja-build make pkgconf clang-format
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    qt6-base-dev qt6-translations-l10n libgl1-mesa-dev
    libxlsxwriter-dev zlib1g-dev poppler-utils unzip
    fonts-wqy-microhei xvfb xauth librsvg2-bin
    clang libclang-rt-14-dev
)
for group in "$@"; do
    case $group in
        package) packages+=(dpkg-dev file desktop-file-utils appstream lintian man-db
                            shared-mime-info libglib2.0-bin xdg-utils) ;;
        windows)
            packages+=(g++-mingw-w64-x86-64-posix googletest wine wine64 dpkg-dev
                libz-mingw-w64-dev nsis imagemagick zip xdotool) ;;
        fresh) packages+=(debootstrap util-linux git) ;;
        *) echo "install-deps.sh: unknown group $group" >&2; exit 2 ;;
    esac
done

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
