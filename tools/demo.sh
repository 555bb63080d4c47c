#!/bin/bash
# The headless demo of `make run`: Quillet 99 and Wine's Notepad in the Wine desktop on Xvfb.
# The tray menu with its Feature submenu (tray-menu.png), the window-features menu over Notepad
# (features-menu.png), "Customize this window" giving Notepad features of its own
# (customize.png) and the features indicator unfolded beside Notepad (indicator.png), then a
# real middle click on Notepad's caption, before and after screenshots (both side by side in
# tray.png) in build/demo/; then Quillet 99 is closed with WM_CLOSE. It starts as a first run,
# with the indicator placed beside Notepad.
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
reg() { tools/wine-env.sh exec "$wine" reg "$@" >/dev/null 2>&1 || true; }
reg delete 'HKCU\Software\Brantle Software\Quillet 99' /f
for value in PosX=790 PosY=40; do
    reg add 'HKCU\Software\Brantle Software\Quillet 99\Settings\Indicator' /v "${value%=*}" \
        /t REG_DWORD /d "${value#*=}" /f
done
tools/wine-env.sh exec "$wine" "$bin/Quillet99.exe" </dev/null >/dev/null 2>&1 &
tools/wine-env.sh exec "$wine" notepad.exe </dev/null >/dev/null 2>&1 &
probe wait-window Quillet99 "Quillet 99" 20000 || { echo "Quillet 99 did not start"; exit 1; }
probe wait-window Notepad "$title" 20000 || { echo "Notepad did not open"; exit 1; }
sleep 1
# A shot of the menu that is open, with a margin around it.
menu_shot() {
    local left top right bottom
    read -r left top right bottom < <(probe menu-rect | tr -d '\r')
    DISPLAY=$(cat "$wine/display") import -window root -crop \
        "$((right - left + 2 * $2))x$((bottom - top + 2 * $2))+$((left - $2))+$((top - $2))" \
        +repage "$out/$1.png"
}

read -r x y < <(probe tray-point 0 | tr -d '\r')
echo "Right-clicking Quillet 99's icon at ($x, $y), then F for the Feature submenu"
xdotool mousemove "$x" "$y"
sleep 0.5
xdotool click 3
sleep 0.6
probe keys f c
menu_shot tray-menu 8
probe keys 0x1B 0x1B 0x1B
echo "Opening the window-features menu over Notepad with Ctrl+Alt+M"
read -r x y < <(probe caption-point "$title" | tr -d '\r')
xdotool mousemove "$x" $((y + 100)) click 1
probe keys ^m 0x28 0x28
menu_shot features-menu 12
probe keys 0x1B

# A shot of a window with a margin around it.
window_shot() {
    local left top right bottom
    read -r left top right bottom < <(probe window-rect "$2" "$3" | tr -d '\r')
    DISPLAY=$(cat "$wine/display") import -window root -crop \
        "$((right - left + 2 * $4))x$((bottom - top + 2 * $4))+$((left - $4))+$((top - $4))" \
        +repage "$out/$1.png"
}
click_control() {
    local x y
    read -r x y < <(probe control-point "Customize this window" "$1" | tr -d '\r')
    xdotool mousemove "$x" "$y"
    sleep 0.4
    xdotool click 1
    sleep 0.4
}
echo "Customize this window over Notepad with Ctrl+Alt+C: send to tray, and copy/paste inside"
probe keys ^c
sleep 1
probe keys 0x24 0x28 0x28 0x28 # the caption list has the focus: the fourth feature
click_control 1243
probe keys 0x24 0x28 0x28 0x28 0x28 0x28 0x28 0x28 0x0D # the last one
window_shot customize '#32770' "Customize this window" 12
click_control 1
echo "Unfolding the features indicator beside Notepad"
read -r left top right bottom < <(probe window-rect '#32770' '' | tr -d '\r')
xdotool mousemove $((left + 32)) $((top + 13))
sleep 0.4
xdotool click 1
sleep 0.4
read -r x y < <(probe caption-point "$title" | tr -d '\r')
xdotool mousemove "$x" "$y" click 1 # Notepad in front again: the indicator shows its features
sleep 0.6
DISPLAY=$(cat "$wine/display") import -window root -crop 900x200+0+0 +repage "$out/indicator.png"
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
echo "Screenshots: $out/before.png, $out/after.png, and both side by side in $out/tray.png;"
echo "$out/customize.png and $out/indicator.png"

# The settings dialog, each of its four pages; page 2 with copy/paste, which has a panel.
echo "Opening the settings dialog with Ctrl+Alt+R and showing each page"
tools/wine-env.sh exec "$wine" reg add 'HKCU\Software\Brantle Software\Quillet 99\Settings' \
    /v BodyFeature /t REG_DWORD /d 7 /f >/dev/null 2>&1
probe keys ^r
probe wait-window '#32770' "Quillet 99 - Settings" 5000
sleep 1
for page in 1 2 3 4; do
    # The dialog is centred; its client area starts about 290 x 201 on the 1024 x 768 desktop.
    row_y=$((201 + $(echo 48 120 194 267 | cut -d' ' -f$page)))
    xdotool mousemove 344 "$row_y" click 1
    sleep 0.7
    DISPLAY=$(cat "$wine/display") import -window root -crop 460x400+282+172 +repage \
        "$out/settings-page$page.png"
done
probe keys 0x1B
echo "Screenshots of the settings pages: $out/settings-page1.png to settings-page4.png"

probe close Quillet99 "Quillet 99" 10000 && echo "Quillet 99 closed on WM_CLOSE."
probe close Notepad "$title" 5000 || true
