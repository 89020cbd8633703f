#!/usr/bin/env bash
# Runs one test program under Wine for CTest. Under heavy parallel load
# Wine's own process (not the Windows program) now and then dies of a signal
# while the program exits, after every test has passed; such a run is made
# once more. A crash of the Windows program is an exception code, not a
# signal, and is never run again.
source "$(dirname "$0")/arch.sh"
wine "$@"
rc=$?
if [ "$rc" -ge 129 ] && [ "$rc" -le 159 ]; then
  echo "wine itself died of signal $((rc - 128)); running the test once more" >&2
  wine "$@"
  rc=$?
fi
exit "$rc"
