#!/bin/bash
# Configures (once) and builds one build tree: build/ARCH, for i686 or x86_64.
#   build.sh ARCH [CMAKE_OPTION...]
set -euo pipefail
cd "$(dirname "$0")/.."
arch=$1
shift
dir=build/$arch
toolchain=()
[ -f "$dir/CMakeCache.txt" ] || toolchain=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake")
cmake -S . -B "$dir" "${toolchain[@]}" "$@" >/dev/null
cmake --build "$dir"
