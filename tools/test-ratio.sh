#!/bin/bash
# The size of the tests against the code they test: non-blank, non-comment lines of the files
# git knows in tests/ (harness included) and in what ships: hook/, app/, kbdhook/ and installer/
# (its NSIS script and the scripts that build it). The bench and tools/ count on neither side.
# The budget is 1,000 lines or one third of the product, whichever is larger; exits 1 when
# tests/ is over it.
set -euo pipefail
cd "$(dirname "$0")/.."

lines() {
    git ls-files --cached --others --exclude-standard -- "$@" | grep -E '\.(c|cc|cpp|h|hpp|rc|def|cmake|sh|nsi|nsh)$|CMakeLists\.txt$' |
        while read -r file; do
            [ -f "$file" ] || continue
            case $file in
            *.cmake | *CMakeLists.txt | *.sh) grep -v -E '^\s*(#.*)?$' "$file" || true ;;
            *.nsi | *.nsh) grep -v -E '^\s*([;#].*)?$' "$file" || true ;;
            *) grep -v -E '^\s*(//.*)?$' "$file" || true ;;
            esac
        done | wc -l
}

product=$(lines hook app kbdhook installer)
tests=$(lines tests)
budget=$((product / 3))
[ "$budget" -lt 1000 ] && budget=1000
verdict="within"
[ "$tests" -gt "$budget" ] && verdict="OVER"
printf 'Test size: tests/ %d lines, hook/ + app/ + kbdhook/ + installer/ %d lines (%d%%); budget %d: %s\n' \
    "$tests" "$product" $((100 * tests / product)) "$budget" "$verdict"
[ "$verdict" = within ]
