#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job under Wine.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/install-deps.sh"
"$ROOT/scripts/build.sh"
source "$ROOT/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start
cd "$BUILD_DIR/samples"
wine ./archive-demo.exe "$@"
