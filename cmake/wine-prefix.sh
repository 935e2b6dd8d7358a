#!/bin/sh
# Makes the Wine prefix ($WINEPREFIX) the cross-built tests share, once, and
# waits until Wine has finished writing it. $1 is the wine64 loader. The
# prefix uses Wine's null graphics driver: the programs' windows exist, take
# keys and answer the tests without any display.
set -eu
[ -f "$WINEPREFIX/system.reg" ] && [ -f "$WINEPREFIX/.null-graphics" ] && exit 0
wineserver="$(dirname "$1")/wineserver"
[ -x "$wineserver" ] || wineserver=wineserver
"$1" wineboot --init >/dev/null 2>&1 || true
"$wineserver" -w
test -f "$WINEPREFIX/system.reg"
"$1" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
# The driver is read when the server starts.
"$wineserver" -k || true
"$wineserver" -w
touch "$WINEPREFIX/.null-graphics"
