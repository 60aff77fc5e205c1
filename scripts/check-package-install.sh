#!/usr/bin/env bash
# Installs dist/dtii-designer_*.deb with apt-get into a freshly bootstrapped minimal Debian 12
# (a chroot under a temporary folder; needs root and the network, so it is not part of CI) and
# checks that apt pulls every dependency, that the installed dtii-calc prints the same bytes as
# the build tree's program, that the designer starts and opens a design file by double-click,
# that the manual is installed, and that apt-get remove leaves none of the package's files behind.
# Run after scripts/package.sh and scripts/build.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
package=$(ls dist/dtii-designer_*_amd64.deb)
reference=$PWD/build/bin/dtii-calc
[ -x "$reference" ] || { echo "check-package-install.sh: build the project first" >&2; exit 2; }
if ! command -v debootstrap >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$package" "$root/tmp/"
in_root() { chroot "$root" env DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update -qq
in_root apt-get install -y -qq "/tmp/$(basename "$package")" >/dev/null

example=examples/belt800-trough.json
in_root dtii-calc report "/usr/share/dtii-designer/$example" >"$root/installed.out" 2>"$root/installed.err"
"$reference" report "$example" >"$root/reference.out" 2>"$root/reference.err"
cmp "$root/installed.out" "$root/reference.out"
cmp "$root/installed.err" "$root/reference.err"

status=0
in_root QT_QPA_PLATFORM=offscreen timeout 3 dtii-designer 2>/dev/null || status=$?
[ "$status" = 124 ] || { echo "check-package-install.sh: dtii-designer did not start" >&2; exit 1; }

for chapter in docs/manual/*.md; do
    cmp "$chapter" "$root/usr/share/doc/dtii-designer/manual/$(basename "$chapter")"
done

# A double-click in a file manager: the desktop takes the example for a design file and gio opens
# it with the designer, which gets the file's path.
in_root apt-get install -y -qq --no-install-recommends shared-mime-info libglib2.0-bin xdg-utils >/dev/null
design=/usr/share/dtii-designer/$example
found=$(in_root XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$design")
[ "$found" = application/x-dtii-conveyor-design ] ||
    { echo "check-package-install.sh: the example is taken for '$found'" >&2; exit 1; }
in_root QT_QPA_PLATFORM=offscreen gio open "$design"
opened=
for _ in 1 2 3 4 5 6 7 8 9 10; do
    opened=$(pgrep -x -f "dtii-designer $design" | head -n 1) && break
    sleep 1
done
[ -n "$opened" ] || { echo "check-package-install.sh: gio open did not start the designer" >&2; exit 1; }
kill "$opened"

in_root dpkg -L dtii-designer >"$root/files"
in_root apt-get remove -y -qq dtii-designer >/dev/null
left=0
while read -r file; do
    # Folders the system shares with other packages stay; the package's own files must not.
    if [ -f "$root$file" ] || [ -L "$root$file" ]; then
        echo "check-package-install.sh: left behind after removal: $file" >&2
        left=1
    fi
done <"$root/files"
[ ! -e "$root/usr/share/dtii-designer" ] || left=1
if ((left == 0)); then
    echo "check-package-install.sh: $package installs, runs and removes cleanly on Debian 12"
fi
exit $left
