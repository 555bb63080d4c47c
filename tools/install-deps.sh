#!/bin/sh
# Installs the Debian packages the build, the tests and the demo need.
# Idempotent: returns at once when everything is already there.
set -eu

need=""
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

for p in mingw-w64 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 \
         wine wine32:i386 wine64 xvfb xdotool x11-utils imagemagick cmake ninja-build googletest \
         make clang-format fonts-wine halibut nsis zip; do
  have "$p" || need="$need $p"
done
[ -z "$need" ] && exit 0

echo "installing:$need"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
case " $need " in
  *":i386"*)
    dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386 ;;
esac
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $need </dev/null
