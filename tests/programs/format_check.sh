#!/bin/sh
# The sources follow .clang-format: names every place clang-format would
# change. Skipped (77) where clang-format is not installed.
set -u
cd "${1:-$(dirname "$0")/../..}"
command -v clang-format >/dev/null || { echo "skipped: no clang-format"; exit 77; }
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null) ||
  files=$(find common cleanslate tag tests fuzz bench -name '*.cpp' -o -name '*.h')
# shellcheck disable=SC2086
if clang-format --dry-run -Werror $files; then
  echo "every source follows .clang-format"
else
  exit 1
fi
