#!/bin/bash
# Configures (once) and builds one build tree: build/ARCH, for i686 or x86_64.
#   build.sh ARCH [--dir DIR] [--target TARGET]... [CMAKE_OPTION...]
# --dir builds another tree of that architecture (the benchmarks use build/bench-ARCH);
# --target builds only those targets instead of everything.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=$1
shift
dir=build/$arch
targets=()
while [ $# -gt 0 ]; do
    case $1 in
    --dir) dir=$2; shift 2 ;;
    --target) targets+=(--target "$2"); shift 2 ;;
    *) break ;;
    esac
done
toolchain=()
[ -f "$dir/CMakeCache.txt" ] || toolchain=(-G Ninja -DCMAKE_TOOLCHAIN_FILE="cmake/mingw-$arch.cmake")
cmake -S . -B "$dir" "${toolchain[@]}" "$@" >/dev/null
cmake --build "$dir" "${targets[@]}"
