#!/usr/bin/env bash
# Runs one test program under Wine for CTest, once: CTest sees how it ended,
# its exit code or the signal that ended Wine's own process.
source "$(dirname "$0")/arch.sh"
exec "${LB_WINE_COMMAND[@]}" "$@"
