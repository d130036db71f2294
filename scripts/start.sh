#!/usr/bin/env bash
# Quick start: install what is missing, build, and start the program on the demo catalogue.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/install-deps.sh"
"$top/scripts/build.sh"
exe="${SELCOMP_BUILD_DIR:-$top/build}/bin/selcomp"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found. To run the program without a desktop, start it under Xvfb:" >&2
  echo "  xvfb-run -a -s '-screen 0 1280x1024x24' $exe" >&2
  exit 1
fi
exec "$exe" "$@"
