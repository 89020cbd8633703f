#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test under Wine on Xvfb.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$ROOT/build}
# The whole command's wall time (install check, build, tests), printed last.
started=$SECONDS
report_time() { echo "scripts/test.sh wall time: $((SECONDS - started)) s"; }
"$ROOT/scripts/install-deps.sh"
"$ROOT/scripts/build.sh"
source "$ROOT/scripts/wine-env.sh"
trap 'wine_env_stop; report_time' EXIT
wine_env_start
cd "$BUILD_DIR"
ctest -j"$(nproc)" --output-on-failure "$@"
