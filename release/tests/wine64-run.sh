#!/bin/sh
# Runs a (32-bit) test program in the build folder's 64-bit Wine prefix, which ./dev makes
# when Debian's wine64 is installed: the program sees 64-bit Windows (WOW64, the 32-bit
# view of the registry, Program Files (x86)). Usage: wine64-run.sh BUILD_DIR PROGRAM [ARGS]
BUILD_DIR=$1
shift
export LANG=ru_RU.UTF-8
export LC_ALL=ru_RU.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
export WINEPREFIX=${KFWS_WINEPREFIX64:-$BUILD_DIR/wineprefix64}
export KFWS_EXPECT_WIN64=1
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine64-run.sh: no 64-bit Wine prefix at $WINEPREFIX (./dev test makes it)" >&2
  exit 1
fi
exec wine "$@"
