#!/bin/bash
# `make run`: on a display, Quillet 99 inside the Wine "shell" desktop until it is closed;
# without one, the scripted demo.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=$(tools/wine-env.sh arch)
tools/build.sh "$arch" >/dev/null
if [ -z "${DISPLAY:-}" ]; then
    exec tools/demo.sh "$arch"
fi
wine=build/$arch/wine
tools/wine-env.sh start "$wine"
trap 'tools/wine-env.sh stop "$wine"' EXIT
echo "Quillet 99 runs in the Wine desktop on $DISPLAY. Close it from another shell with:"
echo "  tools/wine-env.sh exec $wine build/$arch/bin/q99probe.exe close Quillet99 'Quillet 99' 5000"
tools/wine-env.sh exec "$wine" "build/$arch/bin/Quillet99.exe"
