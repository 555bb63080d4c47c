#!/bin/bash
# `make dist`: builds both flavours and puts each one's three binaries, the help file and the
# readme (Quillet99.txt, a name that no other program's files have) in build/dist/ARCH, with a
# zip of each: i686 for Windows 95, 98 and NT, x86_64 for today's 64-bit Windows. Then the help
# as HTML in build/dist/help, for systems without WinHelp, and the set-up program
# build/dist/Quillet99-setup.exe, an ANSI one that carries both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
for arch in i686 x86_64; do
    tools/build.sh "$arch" --target Quillet99 --target Quillet99Hook --target KbdHook --target quillet_help
    out=build/dist/$arch
    rm -rf "$out" "build/dist/Quillet99-$arch.zip"
    mkdir -p "$out"
    for file in Quillet99.exe QUILLET99HOOK.DLL KBDHOOK.DLL Quillet99.hlp Quillet99.cnt; do
        cp "build/$arch/bin/$file" "$out/"
    done
    sed 's/$/\r/' installer/README.txt >"$out/Quillet99.txt"
    (cd "$out" && zip -q -X "../Quillet99-$arch.zip" ./*)
    echo "dist: $out, build/dist/Quillet99-$arch.zip"
done
rm -rf build/dist/help
mkdir -p build/dist/help
(cd build/dist/help && halibut --html "$OLDPWD/docs/help/quillet99.but")
echo "dist: build/dist/help/index.html"
installer/make-setup.sh build/dist/Quillet99-setup.exe x86-ansi build/dist/i686 build/dist/x86_64
echo "dist: build/dist/Quillet99-setup.exe"
