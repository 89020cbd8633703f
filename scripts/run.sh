#!/usr/bin/env bash
# The main job: installs what is missing, builds everything (which packs the
# sample project and lays out the installed programs, build/Lumbrook/),
# copies the sample into build/Lumbrook/Projects/Sample/ and opens it in the
# editor LumbrookConfig under Wine. On the user's display the editor stays
# until it is closed (File > Test, Ctrl+T, plays the project in the player).
# Without one it runs on Xvfb: the command leaves a screenshot of the editor
# in build/editor-screenshot.png, presses Test so that the player plays the
# project, leaves a screenshot of the player (the pointer over its button) in
# build/sample-screenshot.png, and closes both.
#
# `scripts/run.sh editor [arguments]` starts the editor alone (on Xvfb with
# build/editor-screenshot.png); `scripts/run.sh player` plays the built disc
# folder build/disc/ in the player alone (on Xvfb with
# build/sample-screenshot.png).
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
if [ "${1:-}" = player ]; then
  shift
  cd "$DISC"
  # Named after its archive, the player plays tarvex.pqz beside it.
  show tarvex.exe QNDL_MAINWND "the sample" "$BUILD_DIR/sample-screenshot.png" "$@"
  exit $?
fi

# The sample as an author keeps it: a project folder of its own under
# Projects\, which the editor makes a disc folder when it opens it.
SAMPLE="$BUILD_DIR/Lumbrook/Projects/Sample"
rm -rf "$SAMPLE"
mkdir -p "$SAMPLE/tarvex.dat"
cp "$DISC/tarvex.pqz" "$SAMPLE/"
cp "$DISC/tarvex.dat/"* "$SAMPLE/tarvex.dat/"
# A Unix path as Windows sees it: drive Z: is the root.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
PROJECT=$(windows_path "$SAMPLE/tarvex.pqz")
cd "$BUILD_DIR/Lumbrook/Bin"
if [ "$WINE_ENV_XVFB" = 0 ]; then
  echo "Opening the sample in the editor on $DISPLAY; File > Test (Ctrl+T) plays it; close the editor to end."
  wine ./LumbrookConfig.exe "$PROJECT"
  exit 0
fi
echo "No display to use: opening the sample in the editor on Xvfb ($DISPLAY)."
# No box waits for an answer on a screen nobody sees.
export LUMBROOK_MESSAGE_LOG=$(windows_path "$BUILD_DIR/editor-messages.log")
wine ./LumbrookConfig.exe "$PROJECT" &
editor=$!
if ! wine "$WATCH" wait QNDL_EDITORFRAME 60000; then
  echo "The editor's window did not show." >&2
  kill "$editor" 2>/dev/null || true
  exit 1
fi
# The splash window goes after three seconds.
sleep 4
wine "$WATCH" wait QNDL_EDITORFRAME 10000 || true
import -window root "$BUILD_DIR/editor-screenshot.png"
echo "Screenshot of the editor with the sample: $BUILD_DIR/editor-screenshot.png"
# File > Test: the editor starts the player on the project it saved.
wine "$WATCH" command QNDL_EDITORFRAME 32778
status=0
if wine "$WATCH" wait QNDL_MAINWND 60000; then
  prepare_shot
  import -window root "$BUILD_DIR/sample-screenshot.png"
  echo "Screenshot of the player started by Test: $BUILD_DIR/sample-screenshot.png"
  wine "$WATCH" close QNDL_MAINWND 20000 || true
else
  echo "Test did not start the player." >&2
  status=1
fi
wine "$WATCH" close QNDL_EDITORFRAME 20000 || true
wait "$editor" || true
exit $status
