#!/bin/bash
# `make run`: on a display, Quillet 99 and Wine's Notepad inside the Wine "shell" desktop until
# Quillet 99 is closed; without one, the scripted demo.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=$(tools/wine-env.sh arch)
tools/build.sh "$arch" >/dev/null
if [ -z "${DISPLAY:-}" ]; then
    exec tools/demo.sh "$arch"
fi
wine=build/$arch/wine
tools/wine-env.sh start "$wine"
trap 'tools/stop.sh' EXIT
trap 'exit 130' INT TERM
tools/wine-env.sh exec "$wine" "build/$arch/bin/Quillet99.exe" &
host=$!
tools/wine-env.sh exec "$wine" notepad.exe >/dev/null 2>&1 &
echo "Quillet 99 runs beside Notepad on $DISPLAY: middle-click Notepad's title bar to send it to the tray and click its icon to bring it back; right-click Quillet 99's own icon (right end of the taskbar) for its menu, and press Ctrl+Alt+M for the window-features menu."
echo "End it with the menu's Exit, 'make stop' in another shell, or Ctrl+C here: each closes Quillet 99, which gives every window back."
wait "$host"
