# Sourced by the scripts that cross-build third-party libraries for Windows from Debian's own
# source packages into a per-machine cache outside the checkout.
#   DTII_WINDOWS_CACHE   the cache folder (default ~/.cache/dtii-designer)

windows_cache=${DTII_WINDOWS_CACHE:-$HOME/.cache/dtii-designer}

# The source version of the host's installed binary package $1, so that the Windows library is
# the very version the Linux build uses.
host_source_version() {
    dpkg-query -W -f='${source:Version}' "$1"
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
