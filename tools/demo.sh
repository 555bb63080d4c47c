#!/bin/bash
# The headless demo of `make run`: Quillet 99 and Wine's Notepad in the Wine desktop on Xvfb,
# a real middle click on Notepad's caption, before and after screenshots in build/demo/ (and
# both side by side in tray.png), then Quillet 99 is closed with WM_CLOSE.
#   demo.sh ARCH
set -euo pipefail
cd "$(dirname "$0")/.."
arch=$1
bin=build/$arch/bin
wine=build/$arch/wine
out=build/demo
title="Untitled - Notepad"
mkdir -p "$out" "$wine"

probe() { tools/wine-env.sh exec "$wine" "$bin/q99probe.exe" "$@"; }
shot() { DISPLAY=$(cat "$wine/display") import -window root "$out/$1.png"; }

tools/wine-env.sh start "$wine" --headless
trap 'tools/wine-env.sh stop "$wine"' EXIT
export DISPLAY
DISPLAY=$(cat "$wine/display")

echo "Starting Quillet 99 and Notepad in the Wine desktop on $DISPLAY"
tools/wine-env.sh exec "$wine" "$bin/Quillet99.exe" </dev/null >/dev/null 2>&1 &
tools/wine-env.sh exec "$wine" notepad.exe </dev/null >/dev/null 2>&1 &
probe wait-window Quillet99 "Quillet 99" 20000 || { echo "Quillet 99 did not start"; exit 1; }
probe wait-window Notepad "$title" 20000 || { echo "Notepad did not open"; exit 1; }
sleep 1
shot before

read -r x y < <(probe caption-point "$title" | tr -d '\r')
echo "Middle-clicking Notepad's caption at ($x, $y) with xdotool"
xdotool mousemove "$x" "$y" click 2
sleep 1
shot after

state=$(probe state "$title" | tr -d '\r')
echo "Notepad is now $state."
[ "$state" = hidden ] && echo "Quillet 99 sent it to the tray, behind an icon of its own."
convert "$out/before.png" "$out/after.png" -resize 50% -bordercolor white -border 4 +append \
    "$out/tray.png"
echo "Screenshots: $out/before.png, $out/after.png, and both side by side in $out/tray.png"

probe close Quillet99 "Quillet 99" 10000 && echo "Quillet 99 closed on WM_CLOSE."
probe close Notepad "$title" 5000 || true
