#!/usr/bin/env bash
# Runs one console program under Wine for a build step: the build runs
# outside the test script's environment, so this sets up the project's
# prefix itself (making it when missing) and needs no display.
#   BUILD_DIR=<build folder> wine-run.sh <program.exe> [arguments...]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
source "$ROOT/scripts/wine-env.sh"
wine_env_make_prefix
status=0
DISPLAY= wine "$@" || status=$?
# Let this run's wineserver go, so that a test run started next brings up
# its own persistent one; bounded in case another run keeps a server alive.
timeout 10 wineserver -w >/dev/null 2>&1 || true
exit $status
