#!/usr/bin/env bash
# Configures (once for each target) and builds everything for Windows: 32-bit
# where the host runs 32-bit code, else 64-bit (scripts/arch.sh).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
source "$ROOT/scripts/arch.sh"
if [ -f "$BUILD_DIR/CMakeCache.txt" ] && ! grep -qx "LB_ARCH:STRING=$LB_ARCH" "$BUILD_DIR/CMakeCache.txt"; then
  echo "Build folder $BUILD_DIR was made for another target; making it anew for $LB_ARCH."
  rm -rf "$BUILD_DIR"
fi
if [ ! -f "$BUILD_DIR/build.ninja" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DLB_ARCH="$LB_ARCH" \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw32.cmake" >/dev/null
fi
cmake --build "$BUILD_DIR" -j"$(nproc)"
