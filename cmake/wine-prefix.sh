#!/bin/sh
# Makes the Wine prefix ($WINEPREFIX) the cross-built tests share, once, and
# waits until Wine has finished writing it. $1 is the wine64 loader.
set -eu
[ -f "$WINEPREFIX/system.reg" ] && exit 0
"$1" wineboot --init >/dev/null 2>&1 || true
"$(dirname "$1")/wineserver" -w
test -f "$WINEPREFIX/system.reg"
