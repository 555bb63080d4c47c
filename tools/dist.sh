#!/bin/bash
# `make dist`: builds both flavours and puts each one's three binaries in build/dist/ARCH:
# i686 for Windows 95, 98 and NT, x86_64 for today's 64-bit Windows.
set -euo pipefail
cd "$(dirname "$0")/.."
for arch in i686 x86_64; do
    tools/build.sh "$arch" --target Quillet99 --target Quillet99Hook --target KbdHook
    out=build/dist/$arch
    rm -rf "$out"
    mkdir -p "$out"
    cp "build/$arch/bin/Quillet99.exe" "build/$arch/bin/QUILLET99HOOK.DLL" "build/$arch/bin/KBDHOOK.DLL" "$out/"
    echo "dist: $out"
done
