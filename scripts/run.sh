#!/usr/bin/env bash
# The main job: installs what is missing, builds everything (which packs the
# sample project and lays out its disc folder, build/disc/), and plays the
# sample in the player under Wine. On the user's display the player stays
# until it is closed; without one it plays on Xvfb, and the command leaves a
# screenshot of the first page (the pointer over its button) in
# build/sample-screenshot.png and ends.
#
# `scripts/run.sh editor [arguments]` starts the editor LumbrookConfig.exe
# from the installed layout (build/Lumbrook/Bin/) instead: on the user's
# display it stays until closed; on Xvfb the command leaves a screenshot of
# its main window in build/editor-screenshot.png and closes it.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
export BUILD_DIR=${BUILD_DIR:-$ROOT/build}
"$ROOT/scripts/install-deps.sh"
"$ROOT/scripts/build.sh"
export LB_USER_DISPLAY=1
source "$ROOT/scripts/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start
DISC="$BUILD_DIR/disc"
WATCH="$BUILD_DIR/samples/watch-window.exe"
if [ "${1:-}" = editor ]; then
  shift
  FRAME=QNDL_EDITORFRAME
  cd "$BUILD_DIR/Lumbrook/Bin"
  if [ "$WINE_ENV_XVFB" = 0 ]; then
    echo "Starting the editor on $DISPLAY; close its window to end."
    wine ./LumbrookConfig.exe "$@"
    exit 0
  fi
  SHOT="$BUILD_DIR/editor-screenshot.png"
  echo "No display to use: starting the editor on Xvfb ($DISPLAY)."
  wine ./LumbrookConfig.exe "$@" &
  editor=$!
  if ! wine "$WATCH" wait "$FRAME" 60000; then
    echo "The editor's window did not show." >&2
    kill "$editor" 2>/dev/null || true
    exit 1
  fi
  import -window root "$SHOT"
  echo "Screenshot of the editor: $SHOT"
  wine "$WATCH" close "$FRAME" 20000 || true
  wait "$editor" || true
  exit 0
fi
cd "$DISC"
# Named after its archive, the player plays tarvex.pqz beside it.
if [ "$WINE_ENV_XVFB" = 0 ]; then
  echo "Playing the sample on $DISPLAY; close the player's window to end."
  wine ./tarvex.exe "$@"
  exit 0
fi
SHOT="$BUILD_DIR/sample-screenshot.png"
echo "No display to use: playing the sample on Xvfb ($DISPLAY)."
wine ./tarvex.exe "$@" &
player=$!
if ! wine "$WATCH" wait QNDL_MAINWND 60000; then
  echo "The player's window did not show." >&2
  kill "$player" 2>/dev/null || true
  exit 1
fi
# The pointer over the "Next page" button: its OnMouseIn script shows a hint.
wine "$WATCH" move QNDL_MAINWND 535 351 && wine "$WATCH" wait QNDL_MAINWND 10000 || true
import -window root "$SHOT"
echo "Screenshot of the first page: $SHOT"
wine "$WATCH" close QNDL_MAINWND 20000 || true
wait "$player" || true
