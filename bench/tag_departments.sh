#!/bin/sh
# Times Tag's department window on a large "dept.dat": opening it (listing
# every department) and "Set all back to default" (walking every record and
# deleting the layout files), through the terminal front end. Prints figures.
# Usage: bench/tag_departments.sh [records]   (default 32767, the most a
# department count can name)
set -eu
cd "$(dirname "$0")/.."
tag="$(pwd)/build/default/tag/tag"
[ -x "$tag" ] || { echo "build first: cmake --build --preset default" >&2; exit 1; }
records="${1:-32767}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# 41-byte records: "000", the name in 28 characters, two 0x00 bytes, "1000.00 ".
awk -v n="$records" 'BEGIN {
  for (i = 1; i <= n; i++) printf "000%-28s%c%c%-8s", sprintf("%03d DEPARTMENT %d", i % 1000, i), 0, 0, "1000.00"
}' > dept.dat
printf ' %s\r\n' "$records" > numdept.dat
for i in 1 2 3 4 5 6 7 8 9; do printf 'x\r\n' > "00${i}TAGS.DAT"; done

seconds() { date +%s.%N; }
run() {  # label, input
  start=$(seconds)
  printf "$2" | "$tag" --terminal > out.txt
  end=$(seconds)
  awk -v a="$start" -v b="$end" -v label="$1" 'BEGIN { printf "%s: %.3f s\n", label, b - a }'
}

echo "dept.dat: $records records, $(wc -c < dept.dat) bytes"
run "start, open the department window, close it, quit" 'o\nq\nq\n'
run "start, open the department window, reset all (yes, no)" 'o\nr\ny\nn\nq\n'
echo "layout files left: $(ls | grep -ci 'tags.dat' || true)"
