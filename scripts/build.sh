#!/usr/bin/env bash
# Configures (once for each target) and builds everything for Windows: 32-bit
# where the host runs 32-bit code, else 64-bit (scripts/arch.sh).
# LB_PROGRAMS_ONLY=1 builds the programs and their installed layout alone
# (a target the host cannot run: nothing is run under Wine).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
source "$ROOT/scripts/arch.sh"
PROGRAMS_ONLY=OFF
[ "${LB_PROGRAMS_ONLY:-0}" = 1 ] && PROGRAMS_ONLY=ON
# True when the build folder's cache is of this target and this kind.
made_for_this() {
  local cache=$BUILD_DIR/CMakeCache.txt only
  only=$(grep -qx "LB_PROGRAMS_ONLY:BOOL=ON" "$cache" && echo ON || echo OFF)
  grep -qx "LB_ARCH:STRING=$LB_ARCH" "$cache" && [ "$only" = "$PROGRAMS_ONLY" ]
}
if [ -f "$BUILD_DIR/CMakeCache.txt" ] && ! made_for_this; then
  echo "Build folder $BUILD_DIR was made for another target; making it anew for $LB_ARCH."
  rm -rf "$BUILD_DIR"
fi
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DLB_ARCH="$LB_ARCH" -DLB_PROGRAMS_ONLY="$PROGRAMS_ONLY" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw32.cmake" >/dev/null
fi
cmake --build "$BUILD_DIR" -j"$(nproc)"
