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

# show <program> <window class> <what> <screenshot> [arguments]: starts the
# program of the current folder; on the user's display it stays until
# closed, on Xvfb its shown window is photographed (after prepare_shot, a
# function the caller may set) and closed.
show() {
  local program=$1 class=$2 what=$3 shot=$4
  shift 4
  if [ "$WINE_ENV_XVFB" = 0 ]; then
    echo "Starting $what on $DISPLAY; close its window to end."
    wine "./$program" "$@"
    return 0
  fi
  echo "No display to use: starting $what on Xvfb ($DISPLAY)."
  wine "./$program" "$@" &
  local started=$!
  if ! wine "$WATCH" wait "$class" 60000; then
    echo "The window of $what did not show." >&2
    kill "$started" 2>/dev/null || true
    return 1
  fi
  if declare -F prepare_shot >/dev/null; then prepare_shot; fi
  import -window root "$shot"
  echo "Screenshot of $what: $shot"
  wine "$WATCH" close "$class" 20000 || true
  wait "$started" || true
}

if [ "${1:-}" = editor ]; then
  shift
  cd "$BUILD_DIR/Lumbrook/Bin"
  show LumbrookConfig.exe QNDL_EDITORFRAME "the editor" "$BUILD_DIR/editor-screenshot.png" "$@"
  exit $?
fi
# The pointer over the "Next page" button: its OnMouseIn script shows a hint.
prepare_shot() {
  wine "$WATCH" move QNDL_MAINWND 535 351 && wine "$WATCH" wait QNDL_MAINWND 10000 || true
}
cd "$DISC"
# Named after its archive, the player plays tarvex.pqz beside it.
show tarvex.exe QNDL_MAINWND "the sample" "$BUILD_DIR/sample-screenshot.png" "$@"
