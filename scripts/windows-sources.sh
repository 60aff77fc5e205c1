# Sourced by the scripts that build and check the Windows programs: the per-machine cache of the
# third-party libraries cross-built from Debian's own source packages, and the project's version.
#   DTII_WINDOWS_CACHE   the cache folder (default ~/.cache/dtii-designer)

windows_cache=${DTII_WINDOWS_CACHE:-$HOME/.cache/dtii-designer}

# The source version of the host's installed binary package $1, so that the Windows library is
# the very version the Linux build uses.
host_source_version() {
    dpkg-query -W -f='${source:Version}' "$1"
}

# Holds the cache's lock $1 until the calling script ends, so that two builds of the same
# library (two checkouts, or a second run while one is still going) wait for each other.
lock_cache() {
    mkdir -p "$windows_cache"
    exec 9>"$windows_cache/$1.lock"
    flock 9
}

# A short hash of standard input: the cache key of a set of build options.
options_key() {
    sha256sum | cut -c1-12
}

# Unpacks Debian's source package $1 at version $2 into the empty folder $3 and prints the
# folder it made. A deb-src entry mirroring the system's deb entries is added when apt has none.
unpack_debian_source() {
    local package=$1 version=$2 into=$3
    local sudo_cmd=()
    if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
    if ! apt-get source --print-uris "$package=$version" >/dev/null 2>&1; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/dtii-debian-src.sources >/dev/null
        "${sudo_cmd[@]}" apt-get update -qq
    fi
    (cd "$into" && apt-get source -qq "$package=$version" >/dev/null 2>&1) || {
        echo "Cannot fetch Debian's source of $package $version" >&2
        return 1
    }
    find "$into" -mindepth 1 -maxdepth 1 -type d | head -n1
}

# The project's version as CMakeLists.txt declares it (run from the checkout's root).
project_version() {
    sed -n 's/^project([^)]*VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt
}

# Where MinGW-w64 keeps its Windows libraries, and the folder of its C++ runtime DLLs.
mingw_prefix=/usr/x86_64-w64-mingw32
mingw_runtime_folder() {
    dirname "$(x86_64-w64-mingw32-g++-posix -print-libgcc-file-name)"
}
