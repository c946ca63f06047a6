#!/bin/sh
# Runs a Windows program under 32-bit Wine with the module users' ANSI code page (1251).
# WINEPREFIX and DISPLAY come from ./dev; defaults let a single program be run by hand.
export LANG=ru_RU.UTF-8
export LC_ALL=ru_RU.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win32
: "${WINEPREFIX:=$HOME/.wine-kfws}"
export WINEPREFIX
exec wine "$@"
