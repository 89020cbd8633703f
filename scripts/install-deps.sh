#!/usr/bin/env bash
# Installs what a new Debian 12 machine lacks for cross-building the programs
# and running them under Wine; does nothing when everything is already there.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

source "$(dirname "$0")/arch.sh"

for p in mingw-w64-tools libz-mingw-w64-dev cmake ninja-build \
         wine xvfb xauth imagemagick googletest fonts-wine fonts-liberation; do
  have "$p" || need+=("$p")
done
# The compiler and the Wine of the target (scripts/arch.sh).
if [ "$LB_ARCH" = i686 ]; then
  have wine32:i386 || need+=(wine32:i386)
else
  have g++-mingw-w64-x86-64-posix || need+=(g++-mingw-w64-x86-64-posix)
  have wine64 || need+=(wine64)
fi
# The 32-bit programs are built on every host (.ci/run builds them in a
# folder of their own where they cannot run): the i686 compiler, and the
# i386 Wine library package, whose Windows DLLs hold the msvcrt.dll of the
# installed layout. Installing it runs no 32-bit code.
have g++-mingw-w64-i686-posix || need+=(g++-mingw-w64-i686-posix)
have libwine:i386 || need+=(libwine:i386)

if [ ${#need[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${need[@]}"
