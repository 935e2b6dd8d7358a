#!/bin/sh
# The direction of the layers, read from the includes: each folder of
# common/ may include only itself and the folders below it, and no window
# logic or file family includes a toolkit or a front end. The link graph of
# the CMake targets enforces the same for code; this catches a header-only
# include against the direction too. Prints every wrong include; exit 1 if any.
set -eu
root=${1:-$(dirname "$0")/../..}
cd "$root"
status=0

# check <files...>: allowed include prefixes come from $allowed (a regex).
check() {
  for file in "$@"; do
    [ -f "$file" ] || continue
    grep -n '^#include "' "$file" | while IFS= read -r line; do
      header=$(printf '%s\n' "$line" | sed 's/^[0-9]*:#include "\([^"]*\)".*/\1/')
      if ! printf '%s\n' "$header" | grep -Eq "$allowed|^[^/]*\$"; then
        echo "$file: includes $header against the direction of the layers"
        echo x >> "$failures"
      fi
    done
  done
}

# A header without a folder is a library's (xxhash.h): every layer may use one.
failures=$(mktemp)
trap 'rm -f "$failures"' EXIT

allowed='^common/platform/'
check common/platform/*.h common/platform/*.cpp
allowed='^common/(platform|files)/'
check common/files/*.h common/files/*.cpp
allowed='^common/(platform|files|journal)/'
check common/journal/*.h common/journal/*.cpp
allowed='^common/(platform|files|journal|app)/[^/]*$'
check common/app/*.h common/app/*.cpp
for front in terminal qt win32; do
  allowed="^common/(platform|files|journal|app)/[^/]*\$|^common/app/$front/"
  check common/app/$front/*.h common/app/$front/*.cpp
done
# The programs below their front ends: no front end of common/ or their own.
# Only main.cpp, the program's description (program_info, which lists its
# terminal commands) and the choice between the front ends (*front_end*)
# stand above them all.
allowed='^common/(platform|files|journal|app)/[^/]*$|^(cleanslate|tag)/[^/]*$'
check $(ls cleanslate/*.h cleanslate/*.cpp tag/*.h tag/*.cpp | grep -v 'main.cpp\|front_end\|program_info')
if grep -ln '#include <Q' common/platform/* common/files/* common/journal/* common/app/*.* \
    cleanslate/*.* tag/*.* 2>/dev/null | grep -v 'main.cpp\|front_end'; then
  echo "the files above include Qt below the front ends"
  echo x >> "$failures"
fi

if [ -s "$failures" ]; then status=1; else echo "layers: every include goes down"; fi
exit $status
