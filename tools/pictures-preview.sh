#!/bin/bash
# Checks the XPM pictures in app/resources/pictures/ and draws them on one contact sheet.
#   tools/pictures-preview.sh
# Check: every file is a one-character-per-pixel XPM whose colours are only the 16 colours of the
# Windows system palette, plus None (transparent) in icons (files named <id>_<meaning>.<size>.xpm);
# its rows must match its declared size and use only declared characters. A file that fails is
# named on stderr and the script exits 1 (after drawing the sheet of the files that passed).
# Sheet: build/pictures/sheet.png, each picture scaled up 4x (-sample, no smoothing) and labelled
# with its file name, on a mid-grey (#A0A0A0) ground that is none of the 16 colours, so that
# transparent pixels stand out.
set -euo pipefail
cd "$(dirname "$0")/.."
src=app/resources/pictures
out=build/pictures
ground='#A0A0A0'
max_row_width=1400

shopt -s nullglob
files=("$src"/*.xpm)
if [ ${#files[@]} -eq 0 ]; then
    echo "pictures-preview: no XPM files in $src" >&2
    exit 1
fi

# Prints nothing for a good file, else one line per fault.
check_xpm() {
    local file=$1 icon=0
    case $(basename "$file") in
    *.[0-9]*.xpm) icon=1 ;;
    esac
    awk -v icon="$icon" '
    BEGIN {
        n = split("#000000 #800000 #008000 #808000 #000080 #800080 #008080 #C0C0C0 " \
                  "#808080 #FF0000 #00FF00 #FFFF00 #0000FF #FF00FF #00FFFF #FFFFFF", list, " ")
        for (i = 1; i <= n; i++) allowed[list[i]] = 1
        state = 0; faults = 0
    }
    function fault(msg) { print msg; faults++ }
    {
        line = $0
        gsub(/\/\*.*\*\//, "", line)
        while (match(line, /"[^"]*"/)) {
            s = substr(line, RSTART + 1, RLENGTH - 2)
            line = substr(line, RSTART + RLENGTH)
            if (state == 0) {
                if (split(s, v, " ") < 4) { fault("bad header \"" s "\""); exit }
                w = v[1]; h = v[2]; ncol = v[3]; cpp = v[4]
                if (cpp != 1) { fault("uses " cpp " characters per pixel, not 1"); exit }
                state = 1; seen = 0; rows = 0
            } else if (state == 1) {
                ch = substr(s, 1, 1)
                rest = substr(s, 2)
                if (split(rest, v, " ") != 2 || v[1] != "c") {
                    fault("colour line \"" s "\" is not \"<char> c <value>\"")
                } else if (v[2] == "None") {
                    if (!icon) fault("None (transparency) in a bitmap")
                } else if (!(toupper(v[2]) in allowed)) {
                    fault("colour " v[2] " is not one of the 16 system colours")
                }
                if (ch in defined) fault("character \"" ch "\" defined twice")
                defined[ch] = 1
                if (++seen == ncol) state = 2
            } else if (state == 2) {
                rows++
                if (length(s) != w) fault("row " rows " is " length(s) " pixels wide, not " w)
                for (i = 1; i <= length(s); i++)
                    if (!(substr(s, i, 1) in defined)) {
                        fault("row " rows " uses undeclared character \"" substr(s, i, 1) "\"")
                        break
                    }
            }
        }
    }
    END {
        if (state == 0) print "no XPM header"
        else if (state == 1) print "fewer colour lines than declared"
        else if (rows != h) print "has " rows " rows, not " h
    }' "$file"
}

# A font for the labels: DejaVu Sans when ImageMagick knows it, else the first font it knows.
font=$(convert -list font | awk '$1 == "Font:" { if (!f) f = $2; if ($2 == "DejaVu-Sans") d = $2 }
                               END { print (d ? d : f) }')

mkdir -p "$out/tiles"
rm -f "$out"/tiles/*.png "$out/sheet.png"
status=0
tiles=()
for f in "${files[@]}"; do
    name=$(basename "$f" .xpm)
    faults=$(check_xpm "$f")
    if [ -n "$faults" ]; then
        while IFS= read -r fault; do
            echo "pictures-preview: $f: $fault" >&2
        done <<<"$faults"
        status=1
        continue
    fi
    tile="$out/tiles/$name.png"
    convert "$f" -sample 400% -background "$ground" -flatten \
        \( -background "$ground" -fill black ${font:+-font "$font"} -pointsize 12 label:"$name.xpm" \) \
        -gravity center -append -bordercolor "$ground" -border 8 "$tile"
    tiles+=("$tile")
done

# Lay the tiles out in rows no wider than max_row_width, then stack the rows.
rows=()
row=()
width=0
flush_row() {
    if [ ${#row[@]} -gt 0 ]; then
        local r="$out/tiles/row-${#rows[@]}.png"
        convert -background "$ground" -gravity north "${row[@]}" +append "$r"
        rows+=("$r")
    fi
    row=()
    width=0
}
for t in "${tiles[@]}"; do
    w=$(identify -format '%w' "$t")
    if [ ${#row[@]} -gt 0 ] && [ $((width + w)) -gt $max_row_width ]; then
        flush_row
    fi
    row+=("$t")
    width=$((width + w))
done
flush_row
if [ ${#rows[@]} -gt 0 ]; then
    convert -background "$ground" -gravity west "${rows[@]}" -append "$out/sheet.png"
    echo "pictures-preview: ${#tiles[@]} pictures on $out/sheet.png"
fi
exit $status
