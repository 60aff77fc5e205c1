#!/usr/bin/env bash
# Tries the README's first command as a newcomer would: in a minimal Debian 12 root (debootstrap
# --variant=minbase, nothing else installed) it clones this checkout and runs `bash scripts/run.sh`
# without a display, which must install what it needs, build, and print the example report the
# same bytes as this machine's build. A package the install step forgets fails here, whatever
# this machine happens to have.
#
# The bare root is made once and kept as a tarball outside the checkout
# (${XDG_CACHE_HOME:-~/.cache}/dtii-designer/); every run unpacks a new copy, so the packages the
# project installs are always installed afresh. Needs root (debootstrap, chroot, mounts).
#   DTII_DEBIAN_MIRROR  the archive to make the root from (default http://deb.debian.org/debian)
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
reference=$PWD/build/bin/dtii-calc
example=examples/belt800-trough.json
[ -x "$reference" ] || { echo "test-fresh-root.sh: build the project first ($reference)" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "test-fresh-root.sh: needs root (debootstrap and chroot)" >&2; exit 2; }
bash scripts/install-deps.sh fresh

suite=bookworm
mirror=${DTII_DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/dtii-designer
tarball=$cache/debian-$suite-minbase-$(uname -m).tar.gz
started=$SECONDS

work=$(mktemp -d /var/tmp/dtii-fresh-root.XXXXXX)
cleanup() { rm -rf --one-file-system "$work"; }
trap cleanup EXIT
root=$work/root

if [ ! -s "$tarball" ]; then
    echo "test-fresh-root.sh: making a minimal Debian $suite root (cached in $tarball)"
    mkdir -p "$cache"
    debootstrap --variant=minbase "$suite" "$work/bare" "$mirror" >"$work/debootstrap.log" 2>&1 || {
        tail -20 "$work/debootstrap.log" >&2
        exit 1
    }
    tar -C "$work/bare" -czf "$tarball.part" .
    mv "$tarball.part" "$tarball"
    rm -rf --one-file-system "$work/bare"
fi
mkdir -p "$root"
tar -C "$root" -xzf "$tarball"

# The root reaches the archive through this machine's name service; no service starts inside it.
cp /etc/resolv.conf "$root/etc/resolv.conf"
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
# What is committed, as a new user's clone has it: no build folder, no uncommitted edits.
git clone --quiet --no-hardlinks "$checkout" "$root/root/dtii-designer"

# Mounts live in a mount namespace of their own, so they go away with it whatever happens.
status=0
unshare --mount --propagation private bash -c '
    root=$1
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mount -t tmpfs tmpfs "$root/tmp"
    exec chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c "cd /root/dtii-designer && bash scripts/run.sh"
' fresh-root "$root" >"$work/report.out" 2>"$work/run.err" || status=$?

if [ "$status" -ne 0 ]; then
    echo "test-fresh-root.sh: bash scripts/run.sh failed in a fresh Debian $suite root (exit $status):" >&2
    tail -40 "$work/run.err" >&2
    exit 1
fi
# What the install and the build print comes first; the report is what the run ends with.
"$reference" report "$example" >"$work/expected.out"
tail -c "$(stat -c %s "$work/expected.out")" "$work/report.out" >"$work/report.tail"
if ! cmp -s "$work/expected.out" "$work/report.tail"; then
    echo "test-fresh-root.sh: the fresh root did not end with this build's example report:" >&2
    diff "$work/expected.out" "$work/report.tail" | head -20 >&2
    exit 1
fi
echo "test-fresh-root.sh: bash scripts/run.sh in a fresh Debian $suite root printed the example" \
    "report in $((SECONDS - started)) s"
