#!/bin/bash
# The headless demo of `make run`: Quillet 99 and a sample window in the Wine desktop on Xvfb,
# a real middle click on the sample window's caption, before and after screenshots in
# build/demo/, then Quillet 99 is closed with WM_CLOSE.
#   demo.sh ARCH
set -euo pipefail
cd "$(dirname "$0")/.."
arch=$1
bin=build/$arch/bin
wine=build/$arch/wine
out=build/demo
title="Quillet Target demo"
mkdir -p "$out" "$wine"

probe() { tools/wine-env.sh exec "$wine" "$bin/q99probe.exe" "$@"; }
shot() { DISPLAY=$(cat "$wine/display") import -window root "$out/$1.png"; }

tools/wine-env.sh start "$wine" --headless
trap 'tools/wine-env.sh stop "$wine"' EXIT
export DISPLAY
DISPLAY=$(cat "$wine/display")

echo "Starting Quillet 99 and a sample window in the Wine desktop on $DISPLAY"
tools/wine-env.sh exec "$wine" "$bin/Quillet99.exe" </dev/null >/dev/null 2>&1 &
tools/wine-env.sh exec "$wine" "$bin/q99target.exe" demo 180 140 520 340 none lines:40 \
    </dev/null >/dev/null 2>&1 &
probe wait-window Quillet99 "Quillet 99" 20000 || { echo "Quillet 99 did not start"; exit 1; }
probe wait-window QuilletTarget "$title" 20000 || { echo "the sample window did not open"; exit 1; }
sleep 1
shot before

read -r x y < <(probe caption-point "$title" | tr -d '\r')
echo "Middle-clicking the sample window's caption at ($x, $y) with xdotool"
xdotool mousemove "$x" "$y" click 2
sleep 1
shot after

state=$(probe state "$title" | tr -d '\r')
echo "The sample window is now $state."
[ "$state" = hidden ] && echo "Quillet 99 sent it to the tray, behind an icon of its own."
echo "Screenshots: $out/before.png and $out/after.png"

probe close Quillet99 "Quillet 99" 10000 && echo "Quillet 99 closed on WM_CLOSE."
probe close QuilletTarget "$title" 5000 || true
