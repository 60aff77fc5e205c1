#!/usr/bin/env bash
# Lays out the Windows programs as installed (the programs, the Qt and MinGW DLLs they load, the
# platform plugins, Qt's Chinese translation, the sheet's font, examples, manual, README and
# licences) and makes the installer and the portable zip from it:
#   dist/dtii-designer-<version>-win64-setup.exe   dist/dtii-designer-<version>-win64.zip
# Usage: package-windows.sh BUILD_TREE QT_PREFIX XLSXWRITER_PREFIX
set -euo pipefail
cd "$(dirname "$0")/.."
tree=$(realpath "$1") qt=$2 xlsxwriter=$3
source scripts/windows-sources.sh
version=$(project_version)
name=dtii-designer-$version-win64
stage=$tree/stage/$name

rm -rf "$tree/stage"
mkdir -p "$stage"/{platforms,styles,translations,fonts,examples,manual,licenses/Qt}
cp "$tree"/bin/{dtii-designer,dtii-calc,dtii-calc-sheet}.exe "$stage/"
cp "$qt"/bin/Qt6{Core,Gui,Widgets,PrintSupport}.dll "$stage/"
# The windows on the desktop's platform; the companion paints its sheet off screen.
cp "$qt"/plugins/platforms/{qwindows,qoffscreen}.dll "$stage/platforms/"
cp "$qt"/plugins/styles/*.dll "$stage/styles/"
cp "$(mingw_runtime_folder)"/{libstdc++-6,libgcc_s_seh-1}.dll "$mingw_prefix/lib/libwinpthread-1.dll" \
    "$stage/"
# Debian's MinGW runtime and the Qt build keep their symbols; the installed DLLs need none.
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.dll "$stage"/*/*.dll
# Qt finds its plugins and translations relative to the program's folder.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$stage/qt.conf"
cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$stage/translations/"
cp /usr/share/fonts/truetype/wqy/wqy-microhei.ttc "$stage/fonts/"
cp examples/*.json "$stage/examples/"
if compgen -G 'docs/manual/*.md' >/dev/null; then cp docs/manual/*.md "$stage/manual/"; fi
# Notepad opens these; CR LF keeps every Windows editor content.
sed 's/$/\r/' README.md >"$stage/README.txt"
sed 's/$/\r/' LICENSE >"$stage/licenses/LICENSE.txt"
sed 's/$/\r/' packaging/windows/Qt-source-offer.txt >"$stage/licenses/Qt/源代码获取说明.txt"
for text in "$qt"/{LGPL-3.0-only,GPL-3.0-only}.txt; do
    sed 's/$/\r/' "$text" >"$stage/licenses/Qt/$(basename "$text")"
done
copyright() { sed 's/$/\r/' "/usr/share/doc/$1/copyright" >"$stage/licenses/$2.txt"; }
copyright libqt6core6 Qt/qtbase-debian-copyright
copyright gcc-mingw-w64-base mingw-w64-gcc-runtime
copyright mingw-w64-common mingw-w64-winpthreads
copyright libz-mingw-w64 zlib
copyright fonts-wqy-microhei wqy-microhei-font
sed 's/$/\r/' "$xlsxwriter/share/licenses/libxlsxwriter.txt" >"$stage/licenses/libxlsxwriter.txt"

# Every DLL a staged program or library loads is either staged or part of Windows.
system_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
missing=0
while IFS= read -r -d '' binary; do
    for dll in $(x86_64-w64-mingw32-objdump -p "$binary" | sed -n 's/^\s*DLL Name: //p'); do
        # API sets (api-ms-win-*, ext-ms-*) are names Windows itself resolves, not files.
        case ${dll,,} in api-ms-win-* | ext-ms-*) continue ;; esac
        if [ -z "$(find "$stage" -maxdepth 1 -iname "$dll")" ] &&
            [ -z "$(find "$system_dlls" -maxdepth 1 -iname "$dll")" ]; then
            echo "package-windows.sh: $(basename "$binary") needs $dll, which is not shipped" >&2
            missing=1
        fi
    done
done < <(find "$stage" \( -name '*.exe' -o -name '*.dll' \) -print0)
[ "$missing" = 0 ]

mkdir -p dist
rm -f "dist/$name.zip" "dist/$name-setup.exe"
(cd "$tree/stage" && zip -qr -X "$OLDPWD/dist/$name.zip" "$name")

# The installer lists every staged file, so that the uninstaller removes exactly those.
nsis=$tree/nsis
rm -rf "$nsis" && mkdir -p "$nsis"
(
    cd "$stage"
    find . -type d ! -name . | sed 's|^\./||' | sort | while read -r folder; do
        printf 'CreateDirectory "$INSTDIR\\%s"\n' "${folder//\//\\}"
    done
    find . -type f | sed 's|^\./||' | sort | while read -r file; do
        printf 'File "/oname=%s" "%s"\n' "${file//\//\\}" "$PWD/$file"
    done
) >"$nsis/installed-files.nsh"
(
    cd "$stage"
    find . -type f | sed 's|^\./||' | sort | while read -r file; do
        printf 'Delete "$INSTDIR\\%s"\n' "${file//\//\\}"
    done
    find . -type d ! -name . | sed 's|^\./||' | sort -r | while read -r folder; do
        printf 'RMDir "$INSTDIR\\%s"\n' "${folder//\//\\}"
    done
) >"$nsis/removed-files.nsh"
cp packaging/windows/installer.nsi "$nsis/"
installed_kb=$(du -sk "$stage" | cut -f1)
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" \
    -DICON="$tree/packaging/windows/dtii-designer.ico" -DINSTALLED_KB="$installed_kb" \
    -DOUTFILE="$PWD/dist/$name-setup.exe" "$nsis/installer.nsi"
ls -l "dist/$name-setup.exe" "dist/$name.zip"
