#!/usr/bin/env bash
# Makes the Debian package and checks it: lintian without errors, the desktop entry and the
# AppStream record valid, design files taken for their own type and opened with the designer,
# and the dtii-calc it installs (unpacked with dpkg -x into a temporary
# root) printing the same bytes as the build tree's program on every example. Run after
# scripts/build.sh; build/bin/dtii-calc is the reference.
set -euo pipefail
cd "$(dirname "$0")/.."
reference=$PWD/build/bin/dtii-calc
[ -x "$reference" ] || { echo "test-package.sh: build the project first ($reference)" >&2; exit 2; }

bash scripts/package.sh "$@"
package=$(ls dist/dtii-designer_*_amd64.deb)

# Lintian's warnings are allowed; an error fails the check.
lintian --fail-on error "$package"

# The Qt libraries come from the programs themselves (shlibdeps), the font is named.
depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 fonts-wqy-microhei; do
    [[ $depends == *"$needed"* ]] || { echo "test-package.sh: Depends lacks $needed: $depends" >&2; exit 1; }
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$package" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
for page in dtii-calc dtii-designer; do
    gzip -t "$root/usr/share/man/man1/$page.1.gz"
done
bash -n "$root/usr/share/bash-completion/completions/dtii-calc"
bash scripts/check-design-file-type.sh "$root" "$PWD/examples/belt800-trough.json"
test -s "$root/usr/share/doc/dtii-designer/copyright"
# Every chapter of the manual, byte for byte.
for chapter in docs/manual/*.md; do
    cmp "$chapter" "$root/usr/share/doc/dtii-designer/manual/$(basename "$chapter")"
done
test -s "$root/usr/share/icons/hicolor/256x256/apps/io.github.dtii.designer.png"

installed=$root/usr/bin/dtii-calc
examples=("$root"/usr/share/dtii-designer/examples/*.json)
[ ${#examples[@]} -gt 0 ] || { echo "test-package.sh: the package holds no examples" >&2; exit 1; }
failures=0
compare() {
    local expected_status=0 actual_status=0
    "$reference" "$@" >"$root/expected.out" 2>"$root/expected.err" || expected_status=$?
    "$installed" "$@" >"$root/actual.out" 2>"$root/actual.err" || actual_status=$?
    if [ "$expected_status" != "$actual_status" ] ||
        ! cmp -s "$root/expected.out" "$root/actual.out" ||
        ! cmp -s "$root/expected.err" "$root/actual.err"; then
        echo "test-package.sh: the installed dtii-calc differs: $*" >&2
        failures=$((failures + 1))
    fi
}
compare --version
for example in "${examples[@]}"; do
    compare calc "$example"
    compare report "$example"
done
# The calculation sheet comes from the companion program the package puts under libexec.
if [ -x "$root/usr/libexec/dtii-designer/dtii-calc-sheet" ]; then
    if ! QT_QPA_PLATFORM=offscreen "$installed" sheet -o "$root/sheet.pdf" "${examples[0]}" \
        >/dev/null 2>"$root/sheet.err" || ! [ -s "$root/sheet.pdf" ]; then
        echo "test-package.sh: the installed dtii-calc makes no sheet:" >&2
        cat "$root/sheet.err" >&2
        failures=$((failures + 1))
    fi
fi
if ((failures)); then
    exit 1
fi
echo "test-package.sh: $package passes (${#examples[@]} examples, calc and report)"
