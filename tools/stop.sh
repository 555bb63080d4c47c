#!/bin/bash
# `make stop`: closes Quillet 99 the way its own Exit does (WM_CLOSE, so that every window it
# hid or rolled up comes back), then the Wine desktop that `make run` started.
set -uo pipefail
cd "$(dirname "$0")/.."
arch=$(tools/wine-env.sh arch)
wine=build/$arch/wine
[ -f "$wine/display" ] || exit 0
tools/wine-env.sh exec "$wine" "build/$arch/bin/q99probe.exe" close Quillet99 "Quillet 99" 10000 &&
    echo "Quillet 99 closed."
tools/wine-env.sh stop "$wine"
