#!/usr/bin/env bash
# The Windows designer under Wine on Xvfb, with the windows platform (Wine's offscreen event
# loop does not fire timers). Called by test-windows.sh with the designer's build tree:
#  - the Qt Test programs of the windows, cross-built;
#  - the portable zip unpacked into a folder whose name has Chinese and a space: its dtii-calc.exe
#    makes the sheet and the workbook through the companion; the PDF's text and the workbook's
#    sheet match the Linux programs';
#  - dtii-designer.exe driven by the keyboard from an opened example to the report file, which
#    matches the Linux program's; every window photographed;
#  - the installer run silently: the installed dtii-calc.exe prints the same bytes as the build
#    tree's, and the silent uninstaller leaves none of the installed files behind.
# Pictures land in <tree>/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$(realpath "$1")
work=${DTII_WINE_WORK:?test-windows.sh sets up the Wine prefix}
reference=$PWD/build/bin/dtii-calc
source scripts/windows-sources.sh
version=$(project_version)
name=dtii-designer-$version-win64
qt=$(bash scripts/build-windows-qt.sh | tail -n1)
pictures=$tree/screenshots
started=$SECONDS
mkdir -p "$pictures"

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1200x24" bash "$0" "$@"
fi
# Each program picks its own platform here: the companion off screen, the windows on Xvfb.
unset QT_QPA_PLATFORM
# The Wine server started without a display; this one starts with Xvfb's.
wineserver -k 2>/dev/null || true
wineserver -w
wineserver -p

fail() {
    echo "test-windows-designer.sh: $*" >&2
    exit 1
}

# 1. The windows' Qt Test programs, with Qt's DLLs and plugins from the cache.
plugins=$(winepath -w "$qt/plugins")
ui_path="$WINEPATH;$(winepath -w "$qt/bin")"
for test in "$tree"/bin/ui_test_*.exe; do
    if ! QT_QPA_PLATFORM=windows QT_PLUGIN_PATH=$plugins WINEPATH=$ui_path \
        timeout 600 wine "$test" -silent -o "$(winepath -w "$work/ui.txt"),txt" >"$work/ui.log" 2>&1; then
        cat "$work/ui.txt" "$work/ui.log" >&2 || true
        fail "$(basename "$test") failed under Wine"
    fi
    # Under Wine the tests' console output does not reach this side: their log goes to a file.
    grep -h '^Totals' "$work/ui.txt" | sed "s|^|$(basename "$test" .exe): |"
done

# 2. The portable folder, unpacked where a space and Chinese make the companion's path.
portable="$work/便携 版"
mkdir -p "$portable" "$work/sheets/linux 计算书" "$work/sheets/windows 计算书"
unzip -q "dist/$name.zip" -d "$portable"
program="$portable/$name/dtii-calc.exe"
for design in examples/*.json; do
    base=$(basename "$design" .json)
    for side in linux windows; do
        out="$work/sheets/$side 计算书"
        if [ "$side" = linux ]; then run=("$reference"); else run=(wine "$program"); fi
        "${run[@]}" sheet -o "$out/$base.pdf" "$design" >/dev/null 2>"$out/$base.sheet.err" ||
            fail "$side: sheet of $base failed: $(cat "$out/$base.sheet.err")"
        "${run[@]}" bom -o "$out/$base.xlsx" "$design" >/dev/null 2>"$out/$base.bom.err" ||
            fail "$side: bom of $base failed: $(cat "$out/$base.bom.err")"
        pdftotext "$out/$base.pdf" "$out/$base.txt"
        unzip -p "$out/$base.xlsx" xl/worksheets/sheet1.xml xl/sharedStrings.xml >"$out/$base.rows"
    done
    for kind in txt rows sheet.err bom.err; do
        cmp -s "$work/sheets/linux 计算书/$base.$kind" "$work/sheets/windows 计算书/$base.$kind" ||
            fail "$base.$kind differs between Linux and Windows"
    done
    test -s "$work/sheets/windows 计算书/$base.txt" || fail "the sheet of $base has no text"
done
echo "test-windows-designer.sh: sheet and bom match the Linux programs on $(ls examples/*.json | wc -l) examples"

# 3. The designer itself, from the portable folder, driven by the keyboard as an engineer would:
#    an example opened from the command line; Enter computes, confirms the results, answers the
#    question, confirms the equipment and the leg height; Alt+F4 on the report window and Enter
#    append the report file, which must hold the very bytes the Linux command appends. Every
#    window on the way is photographed.
report_file="$WINEPREFIX/drive_c/胶带机设计.txt"
rm -f "$report_file"
example=examples/belt800-trough.json
wine "$portable/$name/dtii-designer.exe" "$(winepath -w "$PWD/$example")" >"$work/designer.log" 2>&1 &
designer=$!
# Ended by the Wine server below; the shell need not announce it.
disown "$designer"
# Waits for a window titled $1, lets it paint, and photographs the screen as $2.png.
window_shows() {
    for _ in $(seq 60); do
        if LC_ALL=C.UTF-8 xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; then
            sleep 2
            import -window root "$pictures/$2.png"
            return 0
        fi
        kill -0 "$designer" 2>/dev/null || fail "dtii-designer.exe ended: $(cat "$work/designer.log")"
        sleep 1
    done
    fail "the designer showed no window \"$1\""
}
# The way through: the window waited for, its picture, the key pressed in it.
steps=(
    "$(basename "$example")|designer-1-input|Return"
    "张力及电机功率计算结果|designer-2-results|Return"
    "询问框|designer-3-question|Return"
    "初始条件录入|designer-4-equipment|Return"
    "输入框|designer-5-leg-height|Return"
    "计算结果及设备清单|designer-6-report|alt+F4"
    "询问框|designer-7-report-file|Return"
)
for step in "${steps[@]}"; do
    IFS='|' read -r title picture key <<<"$step"
    window_shows "$title" "$picture"
    xdotool key "$key"
done
for _ in $(seq 30); do [ -s "$report_file" ] && break; sleep 1; done
sleep 1
"$reference" report --append "$work/linux-report.txt" "$example" >/dev/null 2>&1
cmp -s "$work/linux-report.txt" "$report_file" ||
    fail "the report file the designer appended differs from the Linux command's"
wineserver -k 2>/dev/null || true
wineserver -w

# 4. The installer, silently, and its uninstaller.
wine "dist/$name-setup.exe" /S
wineserver -w
installed="$WINEPREFIX/drive_c/Program Files/DTII Designer"
(cd "$tree/stage/$name" && find . -type f | sort) >"$work/staged"
[ -f "$installed/uninstall.exe" ] || fail "the installer installed no uninstaller"
(cd "$installed" && find . -type f ! -name uninstall.exe | sort) >"$work/installed"
cmp -s "$work/staged" "$work/installed" || fail "the installed files differ from the package's"
for design in examples/*.json; do
    for command in calc report; do
        cmp -s <(wine "$installed/dtii-calc.exe" "$command" "$design" 2>&1) \
            <(wine "$tree/bin/dtii-calc.exe" "$command" "$design" 2>&1) ||
            fail "the installed dtii-calc.exe differs on $command $design"
    done
done
wine "$installed/uninstall.exe" /S
wineserver -w
while read -r file; do
    [ ! -e "$installed/$file" ] || fail "the uninstaller left $file"
done <"$work/staged"
[ ! -e "$installed" ] || fail "the uninstaller left the program's folder"
echo "test-windows-designer.sh: the windows' tests, sheet, bom, the designer from example to" \
    "report file, installer and uninstaller pass under Wine in $((SECONDS - started)) s;" \
    "pictures in $pictures"
