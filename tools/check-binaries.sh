#!/bin/bash
# Checks what the linker made of the three binaries: export ordinals and names, imports by
# ordinal, the shared section, and that the two libraries loaded into other programs carry no
# runtime of their own.
#
#   check-binaries.sh BIN_DIR OBJDUMP
#   check-binaries.sh --gates OBJDUMP FILE...   the import and instruction gates alone, on these files
set -uo pipefail
export LC_ALL=C

bin=$1
objdump=$2
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "$1"
    exit 0
}

# The import gate. An i686 binary runs on Windows 95 and NT 4.0, so it may import from Windows
# only what win95-nt4-imports.txt lists, which says where each was found on both; the product's
# own DLLs are exempt. An x86_64 binary may import from the same DLLs, and no runtime DLL.
allowed=$(awk '!/^#/ && NF >= 2 { print toupper($1), $2 }' "$(dirname "$0")/win95-nt4-imports.txt")
check_imports() {
    local file=$1 name i686=0 dll function
    name=$(basename "$file")
    "$objdump" -f "$file" >/dev/null 2>&1 || { fail "$name cannot be read"; return; }
    "$objdump" -f "$file" | grep -q 'file format pei-i386' && i686=1
    while read -r dll function; do
        case $dll in QUILLET99HOOK.DLL | KBDHOOK.DLL) continue ;; esac
        if [ "$i686" = 1 ]; then
            grep -qxF "$dll $function" <<<"$allowed" ||
                fail "$name imports $dll $function, which win95-nt4-imports.txt does not list"
        else
            grep -q "^$dll " <<<"$allowed" || fail "$name imports from $dll"
        fi
    done < <("$objdump" -p "$file" | awk '
        /DLL Name:/ { dll = toupper($3); next }
        dll && /^\t[0-9a-f]+\t/ { print dll, $NF }
        /^$/ { dll = "" }' | sort -u)
}

# The instruction gate. An i686 binary runs on the 80386: no instruction that a later CPU
# brought, named by what the 486, Pentium, Pentium Pro and later added, nor their long NOPs, nor
# any MMX, SSE or AVX register. Static pieces from the toolchain are checked with our own code.
later_cpus='^(bswap|cmpxchg|xadd|invd|wbinvd|invlpg|cpuid|rdtscp?|rdpmc|rdmsr|wrmsr|rsm|cmpxchg8b|'
later_cpus+='cmov[a-z]+|fcmov[a-z]+|fu?comip?|sysenter|sysexit|syscall|sysret|fxsave|fxrstor|'
later_cpus+='[lms]fence|clflush|prefetch[a-z0-9]*|movnti|fisttp[a-z]*|popcnt|lzcnt|tzcnt|movbe|'
later_cpus+='crc32[a-z]*|endbr32|rdrand|rdseed)$'
check_instructions() {
    local file=$1 found
    "$objdump" -f "$file" 2>/dev/null | grep -q 'file format pei-i386' || return
    found=$("$objdump" -d "$file" | awk -F'\t' -v later="$later_cpus" 'NF >= 3 {
        n = split($3, word, " ")
        for (i = 1; i < n && word[i] ~ /^(lock|rep[a-z]*|data16|addr16|[c-gs]s)$/; i++) {}
        if (word[i] ~ later || $3 ~ /%[xyz]?mm[0-9]/ || (word[i] ~ /^nop[wl]?$/ && i < n))
            print word[i]
    }' | sort -u | tr '\n' ' ')
    [ -z "$found" ] || fail "$(basename "$file") has instructions that the 80386 lacks: ${found% }"
}

check_gates() {
    check_imports "$1"
    check_instructions "$1"
}

if [ "$bin" = --gates ]; then
    shift 2
    for file in "$@"; do check_gates "$file"; done
    finish "gates: nothing that Windows 95 and NT 4.0 on the 80386 lack"
fi

# "ordinal name" lines of a binary's export table.
exports_of() {
    "$objdump" -p "$1" | awk '
        /^Export Address Table -- Ordinal Base/ { base = $NF }
        /^\[Ordinal\/Name Pointer\] Table/ { table = 1; next }
        table && /^\t\[/ { gsub(/[\[\]]/, ""); print $1 + base, $2; next }
        table && !/^\t/ { table = 0 }'
}

imported_dlls() { "$objdump" -p "$1" | awk '/DLL Name:/ { print toupper($3) }' | sort -u; }

# The import entries of one DLL, as "<none>" for ordinals or the name.
imports_from() {
    "$objdump" -p "$1" | awk -v dll="$2" '
        /DLL Name:/ { inside = (toupper($3) == toupper(dll)); next }
        inside && /^\t[0-9a-f]+\t/ { print $3 }
        inside && /^$/ { inside = 0 }'
}

expect_exports() {
    local file=$1
    shift
    local actual expected
    actual=$(exports_of "$bin/$file" | sort -n)
    expected=$(printf '%s\n' "$@" | sort -n)
    [ "$actual" = "$expected" ] || fail "$file exports:"$'\n'"$actual"$'\n'"expected:"$'\n'"$expected"
}

expect_only_system_imports() {
    local file=$1 others
    others=$(imported_dlls "$bin/$file" | grep -vx -e KERNEL32.DLL -e USER32.DLL | tr '\n' ' ')
    [ -z "$others" ] || fail "$file imports from $others"
}

expect_no_runtime_sections() {
    local file=$1 sections
    sections=$("$objdump" -h "$bin/$file" | awk '$2 ~ /^\./ { print $2 }')
    for s in .ctors .dtors .init_array .tls .CRT; do
        grep -qx -- "$s" <<<"$sections" && fail "$file has a $s section"
    done
}

expect_exports QUILLET99HOOK.DLL "1 WEP" "2 InstallMouseHook" "3 UninstallMouseHook" "4 MouseHook" \
    "5 ActivateIt" "6 ActivateFeature" "7 ActivateScroll" "8 ActivateCaptionFeature" \
    "9 ActivateBodyFeature" "10 ActivateRightTray" "11 ActivateRightRoll" "12 TellHookCustWin"
expect_only_system_imports QUILLET99HOOK.DLL
expect_no_runtime_sections QUILLET99HOOK.DLL
"$objdump" -h "$bin/QUILLET99HOOK.DLL" | grep -A1 ' SHARDATA ' | grep -q 'DATA, SHARED' ||
    fail "QUILLET99HOOK.DLL has no shared, writable SHARDATA section"

expect_exports KBDHOOK.DLL "2 SendKeys"
expect_only_system_imports KBDHOOK.DLL
expect_no_runtime_sections KBDHOOK.DLL

expect_exports Quillet99.exe "1 MainWndProc" "2 CheckWindows"
hook_imports=$(imports_from "$bin/Quillet99.exe" QUILLET99HOOK.DLL | sort -u | tr '\n' ' ')
[ "$hook_imports" = "<none> " ] || fail "Quillet99.exe imports the hook library by name: $hook_imports"
for dll in QUILLET99HOOK.DLL; do
    imported_dlls "$bin/Quillet99.exe" | grep -qx "$dll" || fail "Quillet99.exe does not import $dll"
done
# The common controls are loaded by the first dialog that needs them, not with the host; so is
# the open-file dialog's library, which imports them.
for dll in COMCTL32.DLL COMDLG32.DLL; do
    imported_dlls "$bin/Quillet99.exe" | grep -qx "$dll" && fail "Quillet99.exe imports $dll"
done

# Every icon holds each of its sizes as a 16-colour image, which Windows 95 and NT 4.0 show. A
# folder without the build's pictures beside it, as `make dist` makes, has none to check.
shopt -s nullglob
for ico in "$bin"/../app/pictures/*.ico; do
    count=$(od -An -tu2 -j4 -N2 "$ico" | tr -d ' ')
    read -r -a bytes <<<"$(od -An -v -tu1 -j6 -N$((16 * count)) "$ico" | tr '\n' ' ')"
    sizes="" four=""
    for ((i = 0; i < count; i++)); do
        size=${bytes[16 * i]}
        sizes+=" $size"
        [ $((bytes[16 * i + 6] + 256 * bytes[16 * i + 7])) -eq 4 ] && four+=" $size"
    done
    for size in $sizes; do
        grep -qw "$size" <<<"$four" || fail "$(basename "$ico") has no 16-colour ${size}x${size} image"
    done
done

# Every bitmap is a 16-colour one as well.
for bmp in "$bin"/../app/pictures/*.bmp; do
    bits=$(od -An -tu2 -j28 -N2 "$bmp" | tr -d ' ')
    [ "$bits" = 4 ] || fail "$(basename "$bmp") has $bits bits per pixel, not 4"
done

# The version resource names the system the binaries are for: 32-bit Windows, 95 and NT alike.
for file in Quillet99.exe QUILLET99HOOK.DLL KBDHOOK.DLL; do
    at=$(grep -obUaP '\xbd\x04\xef\xfe' "$bin/$file" | head -n1 | cut -d: -f1)
    os=$(od -An -tu4 -j$((at + 32)) -N4 "$bin/$file" | tr -d ' ')
    [ "$os" = 4 ] || fail "$file's version resource is not for VOS__WINDOWS32 (file OS $os)"
done

for file in Quillet99.exe QUILLET99HOOK.DLL KBDHOOK.DLL; do
    check_gates "$bin/$file"
done
expect_no_runtime_sections Quillet99.exe

finish "binaries: exports, imports and sections as expected"
