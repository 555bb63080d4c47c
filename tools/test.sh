#!/bin/bash
# Builds and runs every test. The product ships built for i686 and for x86_64; both are built
# and their binaries checked, and the tests that run under Wine use the i686 build where this
# machine's Wine can run it (see wine-env.sh arch), else the x86_64 one.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=$(tools/wine-env.sh arch)
wine_here=OFF
[ "$arch" = i686 ] && wine_here=ON

tools/build.sh i686 -DQUILLET_WINE_TESTS=$wine_here
ctest --test-dir build/i686 --output-on-failure
if [ "$arch" != i686 ]; then
    echo "This kernel runs no 32-bit code: the Wine tests run the $arch build of the same sources."
    tools/build.sh x86_64 -DQUILLET_WINE_TESTS=ON
    ctest --test-dir build/x86_64 --output-on-failure
else
    tools/build.sh x86_64 -DQUILLET_WINE_TESTS=OFF
    ctest --test-dir build/x86_64 --output-on-failure -R binaries
fi
tools/test-ratio.sh
