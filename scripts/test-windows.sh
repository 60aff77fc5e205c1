#!/usr/bin/env bash
# Cross-builds the Windows programs and proves them under Wine (headless, in a throw-away Wine
# prefix). dtii-calc.exe on every example: calc, report, report --append into a folder with a
# Chinese name, and calc from standard input; standard output, standard error, the exit status
# and the appended report file must be the same bytes as the Linux program's. Also runs the
# Windows tests of the system-dependent pieces. With the designer (DTII_WINDOWS_DESIGNER=1, see
# build-windows.sh) scripts/test-windows-designer.sh then proves the windows, the sheet, the
# workbook and the installer. Run after scripts/build.sh; build/bin/dtii-calc is the reference.
set -euo pipefail
cd "$(dirname "$0")/.."
reference=$PWD/build/bin/dtii-calc
[ -x "$reference" ] || { echo "test-windows.sh: build the project first ($reference)" >&2; exit 2; }

bash scripts/build-windows.sh "$@"
tree=$PWD/build-windows
if [ "${DTII_WINDOWS_DESIGNER:-1}" = 1 ]; then tree=$PWD/build-windows-designer; fi
exe=$tree/bin/dtii-calc.exe
started=$SECONDS

work=$(mktemp -d)
export WINEPREFIX=$work/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# One Wine server serves all the runs; the prefix is made once, quietly.
mkdir -p "$WINEPREFIX"
wineserver -p
wine wineboot --init >/dev/null 2>&1

# Beside the Qt programs the tests load MinGW's C++ runtime as a DLL.
source scripts/windows-sources.sh
WINEPATH="$(winepath -w "$(mingw_runtime_folder)");$(winepath -w "$mingw_prefix/lib")"
export WINEPATH
wine "$tree/bin/system_tests.exe" --gtest_brief=1

# The same relative paths on both sides, so that messages naming a file match byte for byte.
run_side() {
    local side=$1 program=$2
    local folder=$work/$side
    mkdir -p "$folder/设计 例子" "$folder/报告 文件夹" "$folder/results"
    cp examples/*.json "$folder/设计 例子/"
    (
        cd "$folder"
        for design in "设计 例子"/*.json; do
            local name
            name=$(basename "$design" .json)
            for command in calc report append stdin; do
                local status=0
                case $command in
                    calc | report) $program "$command" "$design" ;;
                    append) $program report --append "报告 文件夹/胶带机设计.txt" "$design" ;;
                    stdin) $program calc - <"$design" ;;
                esac >"results/$name.$command.out" 2>"results/$name.$command.err" || status=$?
                echo "$status" >"results/$name.$command.status"
            done
        done
        cp "报告 文件夹/胶带机设计.txt" results/report-file.txt
    )
}
run_side linux "$reference"
run_side windows "wine $exe"

# A comparison of two empty results would prove nothing.
test -s "$work/linux/results/report-file.txt"
if ! diff -r "$work/linux/results" "$work/windows/results" >"$work/differences"; then
    echo "test-windows.sh: dtii-calc.exe under Wine differs from the Linux program:" >&2
    head -40 "$work/differences" >&2
    exit 1
fi
count=$(ls examples/*.json | wc -l)
echo "test-windows.sh: dtii-calc.exe matches the Linux program on $count examples" \
    "(calc, report, report --append, standard input) in $((SECONDS - started)) s"

if [ "$tree" = "$PWD/build-windows-designer" ]; then
    # The designer's proofs reuse this Wine prefix and the Linux side's results.
    DTII_WINE_WORK=$work bash scripts/test-windows-designer.sh "$tree"
fi
