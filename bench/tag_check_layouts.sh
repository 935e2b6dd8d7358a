#!/bin/sh
# Times `tag --check-layouts` on a large store: an "invent.dat" of 100,000
# items (248-byte records) spread over the 19 departments of a fresh data
# set, some with layouts of their own, descriptions of every length so that
# many items are cut. Prints the time, the peak memory and the report's size.
# Usage: bench/tag_check_layouts.sh [items]   (default 100000)
set -eu
cd "$(dirname "$0")/.."
tag="$(pwd)/build/default/tag/tag"
[ -x "$tag" ] || { echo "build first: cmake --build --preset default" >&2; exit 1; }
items="${1:-100000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# 41-byte department records: "000", the name in 28 characters, two 0x00
# bytes, "1000.00 ".
awk 'BEGIN {
  split("GENTS RINGS,REPAIR WATCHES,WEDDING SETS,JEWELRY REPAIR,COLORED STONE RINGS," \
        "GIFTWARE & MISC,GOLD CHAIN,BLACK HILLS GOLD,WATCHES,CLOCKS,STERLING,DIAMONDS LOOSE," \
        "LOOSE COLORED,PEARLS,ACCESSORIES WATCHES,ESTATE JEWELRY,EARRINGS,PENDANTS,SHIPPING",
        names, ",")
  for (i = 1; i <= 19; i++) printf "000%-28s%c%c%-8s", names[i], 0, 0, "1000.00"
}' > dept.dat

# Items: every field at its offset, the fields nothing assigns as 0x00.
awk -v n="$items" 'BEGIN {
  split("GEN REP WED JEW COL GIF GOL BLA WAT CLO STE DIA LOO PEA ACC EST EAR PEN SHI", depts, " ")
  words = "14K YELLOW GOLD WHITE DIAMOND SOLITAIRE RING BAND LADIES GENTS PENDANT CHAIN"
  nwords = split(words, w, " ")
  z1 = sprintf("%c", 0); z6 = z1 z1 z1 z1 z1 z1; z5 = z1 z1 z1 z1 z1
  z12 = z6 z6; z13 = z12 z1
  for (i = 1; i <= n; i++) {
    desc = ""
    for (k = 0; k <= i % 8; k++) desc = desc (k ? " " : "") w[1 + (i + k * 7) % nwords]
    printf "%03d%05d%-80s%-5s%-9s%s%-5s%-15s%-6s%-2s%s%-8s%-15s%-8s%-13s%s%s%s%-7s%s%-3s%-12s%-12s%s%s",
      100 + i % 800, i % 100000, desc, ".25", "VS1-J", z1, ".50", "123456789",
      (i % 3 ? "3.9" : "12.25"), "14", "Y", "1-1-95", " 4999", "", "", z1, z6, z5, "", z1,
      depts[1 + i % 19], sprintf("%d.00", i % 5000), sprintf("%d.00", i % 9000), z12, z13
  }
}' > invent.dat
printf '111 DDD\r\nFFFFFFFFFFFF\r\n22222 3333333333333333333333333\r\n55555555\r\nEEEEEEEEEEEE\r\n99 8888\r\n' > GENTAGS.DAT
printf '22222 333333333333\r\nFFFFFFF\r\n4444 555555555\r\n66666\r\nEEEEE\r\n88\r\n' > WEDTAGS.DAT

echo "invent.dat: $items items, $(wc -c < invent.dat) bytes; 2 departments with layouts of their own"
for run in 1 2 3; do
  /usr/bin/time -o timing.txt -f "run $run: %e s elapsed, %U s user, %S s system, peak memory %M KB" \
    "$tag" --check-layouts > report.txt
  cat timing.txt
done
echo "report: $(wc -l < report.txt) lines, $(wc -c < report.txt) bytes"
tail -n 1 report.txt
