#!/bin/bash
# Builds and runs every test. The product is always built for i686; the tests that run under
# Wine use the architecture this machine's Wine can run (see wine-env.sh arch).
set -euo pipefail
cd "$(dirname "$0")/.."
arch=$(tools/wine-env.sh arch)
wine_here=OFF
[ "$arch" = i686 ] && wine_here=ON

tools/build.sh i686 -DQUILLET_WINE_TESTS=$wine_here
ctest --test-dir build/i686 --output-on-failure
if [ "$arch" != i686 ]; then
    echo "This kernel runs no 32-bit code: the Wine tests run the $arch build of the same sources."
    tools/build.sh "$arch" -DQUILLET_WINE_TESTS=ON
    ctest --test-dir "build/$arch" --output-on-failure
fi
tools/test-ratio.sh
