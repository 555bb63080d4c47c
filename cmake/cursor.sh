#!/bin/sh
# A cursor from an XPM: ImageMagick writes it as an icon, whose header differs from a cursor's
# only in its type (2) and in the hot spot standing where an icon has its planes and bit count.
#   cursor.sh CONVERT SOURCE.xpm OUTPUT.cur HOTSPOT_X HOTSPOT_Y   (each below 256)
set -e
"$1" "$2" -type PaletteAlpha "ico:$3"
printf '\002' | dd of="$3" bs=1 seek=2 conv=notrunc status=none
printf "\\$(printf %03o "$4")\\000\\$(printf %03o "$5")\\000" | dd of="$3" bs=1 seek=10 conv=notrunc status=none
