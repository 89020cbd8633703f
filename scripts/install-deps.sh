#!/usr/bin/env bash
# Installs what a new Debian 12 machine lacks for cross-building the programs
# and running them under Wine; does nothing when everything is already there.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

for p in g++-mingw-w64-i686-posix mingw-w64-tools libz-mingw-w64-dev cmake ninja-build \
         wine xvfb xauth imagemagick googletest; do
  have "$p" || need+=("$p")
done
have wine32:i386 || need+=(wine32:i386)

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
