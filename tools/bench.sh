#!/bin/bash
# `make bench`: builds the benchmark programs, runs them in a Wine desktop of their own
# (build/bench-ARCH/wine, apart from the tests' desktop), prints the table and writes
# build/bench/results.json. The sizes come from an i686 Release build in build/bench-i686.
#   bench.sh [REPEATS [SECTION...]]     sections: clicks menus moves startup costs sizes runtime settings
set -euo pipefail
cd "$(dirname "$0")/.."
arch=$(tools/wine-env.sh arch)
repeats=${1:-7}
[ $# -gt 0 ] && shift
mkdir -p build/bench
results=build/bench/results.json
rm -f "$results"

build() {
    tools/build.sh "$@" >build/bench/build.log 2>&1 || { cat build/bench/build.log; exit 1; }
}
# The product as it ships: i686, Release, stripped by the link.
if [ "$arch" != i686 ]; then
    build i686 --dir build/bench-i686 --target Quillet99 --target Quillet99Hook --target KbdHook \
        -DCMAKE_BUILD_TYPE=Release -DQUILLET_BUILD_TESTS=OFF
fi
# What runs under Wine here: the benchmark programs and the product, built together.
tree=build/bench-$arch
build "$arch" --dir "$tree" --target quillet_bench -DCMAKE_BUILD_TYPE=Release \
    -DQUILLET_BUILD_TESTS=OFF -DQUILLET_BUILD_BENCH=ON

windows_path() { echo "Z:$(realpath -m "$1" | tr / '\\')"; }
wine=$tree/wine
tools/wine-env.sh start "$wine" --headless
trap 'tools/wine-env.sh stop "$wine"' EXIT
[ "$arch" = i686 ] || echo "This kernel runs no 32-bit code: the Wine figures come from the $arch build."
status=0
tools/wine-env.sh exec "$wine" "$tree/bin/q99bench.exe" "$(windows_path "$results")" \
    "$(windows_path build/bench-i686/bin)" "$repeats" "$@" </dev/null || status=$?
[ -f "$results" ] && echo "Results: $results"
exit "$status"
