#!/bin/bash
# Builds the set-up program from quillet99.nsi.
#   make-setup.sh OUTFILE TARGET BIN32 BIN64
# TARGET is NSIS's: x86-ansi is the one that ships; amd64-unicode, from the same script, serves
# the tests where Wine runs no 32-bit code. BIN32 and BIN64 each hold one build's three
# binaries and the help file (the same folder twice for a set-up of one build only).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$(realpath -m "$1")
target=$2
bin32=$(realpath "$3")
bin64=$(realpath "$4")
version=$(sed -n 's/^#define QUILLET_VERSION_TEXT "\(.*\)"$/\1/p' "$here/../app/resources/version.h")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Notepad on Windows 95 wants its lines ended the DOS way.
sed 's/$/\r/' "$here/README.txt" >"$work/README.txt"
mkdir -p "$(dirname "$out")"
makensis -V2 -NOCD "-XTarget $target" "-DOUTFILE=$out" "-DVERSION=$version" "-DBIN32=$bin32" \
    "-DBIN64=$bin64" "-DREADME=$work/README.txt" "$here/quillet99.nsi"
