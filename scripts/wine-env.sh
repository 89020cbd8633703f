# Sourced by the run and test scripts: a project-private Wine prefix, an
# Xvfb display and one persistent wineserver for the whole run.
#   wine_env_start   make the prefix when missing, start Xvfb and wineserver
#   wine_env_stop    stop what wine_env_start started
# With LB_USER_DISPLAY=1 (the run script), wine_env_start uses the user's
# DISPLAY instead of Xvfb when it can be reached; WINE_ENV_XVFB tells which
# one is in use (1 Xvfb, 0 the user's display).

ROOT=${ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
source "$ROOT/scripts/arch.sh"
export WINEPREFIX=${LB_WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Number conversions and code pages as on an en-US machine.
export LANG=en_US.UTF-8 LC_ALL=C.UTF-8

_wine_env_xvfb_pid=""

# A program that waits on its input until wine_env_stop, started before the
# first Wine program of the run: while it lives, Wine's desktop has a user
# and stays. Without it the desktop closes a second after its last program,
# and the next program brings it up again, handing it its own error output:
# a test's output then stays open, and CTest waits on it, until the desktop
# next closes (minutes in a parallel run, after the test itself had ended).
wine_env_hold_desktop() {
  coproc _WINE_ENV_HOLDER { wine cmd /q >/dev/null 2>&1; }
}

wine_env_make_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/.lumbrook-ready-3-$LB_ARCH" ] && return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  echo "Making the Wine prefix $WINEPREFIX ..."
  DISPLAY= wineboot -i >/dev/null 2>&1
  # Closing a window on a display without a window manager must not stall.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  # A crashing program ends without a dialog that would block the run.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  wine reg add 'HKCU\Control Panel\International' /v Locale /d 00000409 /f >/dev/null 2>&1
  wine reg add 'HKCU\Control Panel\International' /v sDecimal /d . /f >/dev/null 2>&1
  # Wine's own faces (Tahoma, Marlett for caption buttons, Symbol): Debian's
  # fonts-wine puts them in Wine's data folder, which this Wine does not
  # search, so they go where every Windows program finds its fonts.
  local dir
  for dir in /usr/share/wine/fonts /usr/local/share/wine/fonts /opt/wine-stable/share/wine/fonts; do
    if [ -d "$dir" ]; then
      cp -n "$dir"/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
  done
  # Pages name Windows faces; Liberation has their metrics, so text measures
  # as on Windows.
  local face
  for face in 'Arial=Liberation Sans' 'Arial Narrow=Liberation Sans Narrow' \
              'Times New Roman=Liberation Serif' 'Courier New=Liberation Mono'; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%=*}" /d "${face#*=}" /f >/dev/null 2>&1
  done
  wineserver -w
  touch "$WINEPREFIX/.lumbrook-ready-3-$LB_ARCH"
}

# True when DISPLAY names an X server that answers: its socket for a local
# display, its TCP port for host:N, or xdpyinfo where it is installed.
wine_env_display_reachable() {
  [ -n "${DISPLAY:-}" ] || return 1
  if command -v xdpyinfo >/dev/null 2>&1; then
    timeout 5 xdpyinfo >/dev/null 2>&1
    return
  fi
  local host=${DISPLAY%%:*} number=${DISPLAY#*:}
  number=${number%%.*}
  if [ -z "$host" ] || [ "$host" = unix ]; then
    [ -S "/tmp/.X11-unix/X$number" ]
  else
    timeout 5 bash -c "exec 3<>/dev/tcp/$host/$((6000 + number))" 2>/dev/null
  fi
}

wine_env_start() {
  wine_env_make_prefix
  if [ "${LB_USER_DISPLAY:-0}" = 1 ] && wine_env_display_reachable; then
    export WINE_ENV_XVFB=0
    wineserver -p >/dev/null 2>&1 &
    wine_env_hold_desktop
    wine cmd /c exit >/dev/null 2>&1 || true
    return 0
  fi
  export WINE_ENV_XVFB=1
  local fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$fd_file" 2>/dev/null &
  _wine_env_xvfb_pid=$!
  for _ in $(seq 1 100); do
    [ -s "$fd_file" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
  wineserver -p >/dev/null 2>&1 &
  wine_env_hold_desktop
  # Warm the server and the prefix's services before the first test.
  wine cmd /c exit >/dev/null 2>&1 || true
}

wine_env_stop() {
  # The holder's input closed, it ends (wineserver -k would end it anyway).
  if [ -n "${_WINE_ENV_HOLDER[1]:-}" ]; then
    eval "exec ${_WINE_ENV_HOLDER[1]}>&-"
  fi
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  if [ -n "$_wine_env_xvfb_pid" ]; then
    kill "$_wine_env_xvfb_pid" 2>/dev/null || true
    wait "$_wine_env_xvfb_pid" 2>/dev/null || true
  fi
}
