#!/usr/bin/env bash
# Installs what the build needs (skipped when present), configures and builds both
# trees, and prepares the Wine prefix inside the build folder.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

packages=(wine wine32:i386 wine64 g++-mingw-w64-i686 gcc-mingw-w64-i686 libz-mingw-w64-dev
          xvfb xauth imagemagick fonts-wine cmake ninja-build googletest clang
          libclang-rt-14-dev zlib1g-dev osslsigncode openssl python3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=; [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO dpkg --add-architecture i386
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$BUILD_DIR/win/build.ninja" ]; then
  cmake -S "$QUILLMERE_ROOT" -B "$BUILD_DIR/win" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$QUILLMERE_ROOT/cmake/mingw-i686.cmake"
fi
if [ ! -f "$BUILD_DIR/native/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$QUILLMERE_ROOT" -B "$BUILD_DIR/native" -G Ninja -DQUILLMERE_FUZZ=ON
fi
cmake --build "$BUILD_DIR/native"
cmake --build "$BUILD_DIR/win"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix in $WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  # Without a window manager Wine must draw window frames itself.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  wineserver -w
fi
