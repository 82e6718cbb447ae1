# Sourced by the scripts in tools/: where the build trees and the Wine prefix live.
# BUILD_DIR may be set to keep separate trees side by side (default: build/ in the checkout).
QUILLMERE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$QUILLMERE_ROOT/build}
case "$BUILD_DIR" in /*) ;; *) BUILD_DIR=$QUILLMERE_ROOT/$BUILD_DIR ;; esac
export BUILD_DIR
export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# start_display: starts a private Xvfb on a free display number and exports DISPLAY;
# stop_display stops only that Xvfb.
start_display() {
  local n
  for n in $(seq 91 140); do
    if [ ! -e /tmp/.X$n-lock ] && [ ! -e /tmp/.X11-unix/X$n ]; then
      Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      QUILLMERE_XVFB_PID=$!
      export DISPLAY=:$n
      local i
      for i in $(seq 1 50); do
        [ -e /tmp/.X11-unix/X$n ] && return 0
        kill -0 $QUILLMERE_XVFB_PID 2>/dev/null || break
        sleep 0.1
      done
    fi
  done
  echo "could not start Xvfb" >&2
  return 1
}
stop_display() {
  [ -n "${QUILLMERE_XVFB_PID:-}" ] && kill "$QUILLMERE_XVFB_PID" 2>/dev/null
  QUILLMERE_XVFB_PID=
}
stop_wine() {
  [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1 || true
}
