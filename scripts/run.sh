#!/usr/bin/env bash
# Installs what is needed, builds, and starts the designer window. Without a display it runs the
# command line on the bundled example design instead and prints its report.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/bin/dtii-designer
fi
echo "No display: printing the report of examples/belt800-trough.json with dtii-calc." >&2
exec build/bin/dtii-calc report examples/belt800-trough.json
