#!/usr/bin/env bash
# Checks that a laid-out package root (its usr/share) makes the desktop take a design file for
# the designer's own type and open it with the designer, while other JSON stays JSON:
#   check-design-file-type.sh ROOT DESIGN_FILE
# Needs update-mime-database, update-desktop-database, gio and xdg-mime; writes only into ROOT.
set -euo pipefail
root=$1
design=$2
share=$root/usr/share
type=application/x-dtii-conveyor-design
fail() { echo "check-design-file-type.sh: $*" >&2; exit 1; }

export XDG_DATA_DIRS=$share XDG_DATA_HOME=$root/home-data XDG_CONFIG_HOME=$root/home-config
# The system's own types (application/json among them) sit beside the package's, as installed.
cp -n /usr/share/mime/packages/freedesktop.org.xml "$share/mime/packages/"
update-mime-database "$share/mime" >/dev/null
update-desktop-database "$share/applications" 2>/dev/null
# xdg-mime asks gio on a GNOME desktop; elsewhere it may fall back to file(1), which knows no
# shared-mime-info types.
export XDG_CURRENT_DESKTOP=GNOME

plain=$root/plain.json
printf '{\n  "format": "something-else"\n}\n' >"$plain"
content_type() { gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'; }
[ "$(content_type "$design")" = "$type" ] || fail "gio takes $design for $(content_type "$design")"
[ "$(content_type "$plain")" = application/json ] || fail "gio takes plain JSON for $(content_type "$plain")"
found=$(xdg-mime query filetype "$design")
[ "$found" = "$type" ] || fail "xdg-mime takes $design for $found"
handler=$(xdg-mime query default "$type")
[ "$handler" = io.github.dtii.designer.desktop ] || fail "$type opens with '$handler'"
grep -q '^Exec=dtii-designer %f$' "$share/applications/$handler" || fail "the entry passes no file"
echo "check-design-file-type.sh: design files are $type and open with $handler"
