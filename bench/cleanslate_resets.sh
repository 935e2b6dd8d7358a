#!/bin/sh
# Benchmark of the two customer walks and of the sales file deletion of
# Cleanslate, driven through its terminal front end as a script would.
#
#   bench/cleanslate_resets.sh
#
# Prints, as medians of several runs with warm caches:
#  - the sales reset and the balance reset on a "cust.dat" of RECORDS
#    customers (default 1,000,000: 180 MB) with a matching "cust.pt", each
#    with its backup of the originals, as a ratio to a durable copy of the
#    same file (cp, then sync of the copy) on the same file system, and their
#    peak memory;
#  - the sales reset in a directory of FILES files (default 100,000) of which
#    half are sales files, as a ratio to find deleting the same files.
# Beside cp it times cp followed by fdatasync of the copy, and dd rewriting
# the file in place with fdatasync: the resets make what they rewrite durable
# before they report success, which cp does not.
# Settings by environment: CLEANSLATE (the program, default the default
# build), BENCH_DIR (a scratch directory, default build/bench-data, removed
# afterwards), RECORDS, FILES, RUNS (default 5), FILE_RUNS (default 3).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
program=${CLEANSLATE:-$root/build/default/cleanslate/cleanslate}
work=${BENCH_DIR:-$root/build/bench-data}
records=${RECORDS:-1000000}
files=${FILES:-100000}
runs=${RUNS:-5}
file_runs=${FILE_RUNS:-3}

if [ ! -x "$program" ]; then
  echo "bench: build the program first (cmake --preset default && cmake --build --preset default)" >&2
  exit 1
fi
if [ ! -x /usr/bin/time ]; then
  echo "bench: needs GNU time (/usr/bin/time); scripts/install-deps installs it" >&2
  exit 1
fi

rm -rf "$work"
mkdir -p "$work"
trap 'rm -rf "$work"' EXIT
cd "$work"

now() { date +%s%N; }

# Appends "<label> <seconds> <peak KB>" to the samples.
record() {
  echo "$1 $(awk -v a="$2" -v b="$3" 'BEGIN { printf "%.4f", (b - a) / 1e9 }') $(cat "$work/.peak")" \
    >>"$work/.samples"
}

# timed LABEL COMMAND...: runs the command once, dirty pages written first.
timed() {
  label=$1
  shift
  sync
  start=$(now)
  /usr/bin/time -f '%M' -o "$work/.peak" "$@"
  end=$(now)
  record "$label" "$start" "$end"
}

# timed_reset LABEL DIRECTORY LINE: runs Cleanslate in DIRECTORY through a
# pipe, answering yes to the danger question, the line number, yes to the
# category question and Enter to the completion message.
timed_reset() {
  label=$1
  sync
  start=$(now)
  printf 'y\n%s\ny\n\n' "$3" |
    (cd "$2" && /usr/bin/time -f '%M' -o "$work/.peak" "$program" --terminal >"$work/.out" 2>"$work/.err") || {
    echo "bench: cleanslate failed:" >&2
    cat "$work/.err" >&2
    exit 1
  }
  end=$(now)
  record "$label" "$start" "$end"
}

median() { grep "^$1 " "$work/.samples" | awk '{print $2}' | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
peak() { grep "^$1 " "$work/.samples" | awk 'BEGIN {m = 0} $3 > m {m = $3} END {print m}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Customers whose sale links are set and whose balance is 100.00, so both
# walks rewrite every record. Each record ends in a line feed (byte 179).
write_customers() {
  record=$(printf '%-102s%-12s%-8s%-57s' "SAMPLE CUSTOMER" "LINKLINKLINK" "  100.00" "x")
  yes "$record" | head -c $((records * 180)) >cust.dat
  printf ' %d\r\n %d\r\n' "$records" "$records" >cust.pt
}

echo "Cleanslate benchmark in $work"
echo "customer walks: $records records ($((records * 180 / 1000000)) MB), median of $runs runs"
: >"$work/.samples"
write_customers
for _ in $(seq "$runs"); do
  timed cp cp cust.dat copy.dat
  rm copy.dat
  timed cp_sync sh -c 'cp cust.dat copy.dat && sync -d copy.dat'
  rm copy.dat
  timed dd dd if=cust.dat of=cust.dat bs=1M conv=notrunc,fdatasync status=none
  timed_reset sales . 1
  write_customers
  timed_reset balances . 5
done
timed at_rest "$program" --version >/dev/null
cp_s=$(median cp)
cp_sync_s=$(median cp_sync)
dd_s=$(median dd)
printf '  %-34s %8.3f s\n' "cp" "$cp_s"
printf '  %-34s %8.3f s\n' "cp, then fdatasync of the copy" "$cp_sync_s"
printf '  %-34s %8.3f s\n' "dd rewriting in place, fdatasync" "$dd_s"
for reset in sales balances; do
  seconds=$(median "$reset")
  printf '  %-34s %8.3f s  ratio to cp+sync %s (target <= 1.15), to cp %s, to dd %s; peak %s KB (target < 20480)\n' \
    "$reset reset" "$seconds" "$(ratio "$seconds" "$cp_sync_s")" "$(ratio "$seconds" "$cp_s")" \
    "$(ratio "$seconds" "$dd_s")" "$(peak "$reset")"
done
printf '  %-34s %8s    peak %s KB (the program at rest, its libraries loaded)\n' \
  "cleanslate --version" "" "$(peak at_rest)"
split=$(dirname "$program")/../bench/walk_split
if [ -x "$split" ]; then
  write_customers
  sync
  "$split" .
fi
rm -f cust.dat cust.pt

# Half sales files over the nine digits and both extensions, half others.
make_files() {
  mkdir -p many
  half=$((files / 2))
  (
    cd many
    seq 1 "$half" | awk '{ printf "%d%d%s\n", ($1 % 9) + 1, $1, ($1 % 2 ? ".dat" : ".PTN") }' | xargs touch
    seq 1 "$half" | awk '{ m = $1 % 3; printf "%s%d%s\n", (m == 0 ? "c" : (m == 1 ? "0" : "x")), $1, (m == 2 ? ".ptn" : ".dat") }' | xargs touch
    printf ' 1\r\n' >cust.pt
    head -c 180 /dev/zero >cust.dat
  )
}

echo "sales files: $files files, half of them sales files, median of $file_runs runs"
for _ in $(seq "$file_runs"); do
  make_files
  timed find find many -maxdepth 1 -type f \( -iname '[1-9]*.dat' -o -iname '[1-9]*.ptn' \) -delete
  [ "$(ls many | wc -l)" -eq $((files / 2 + 2)) ] || { echo "bench: find left the wrong files" >&2; exit 1; }
  rm -rf many
  make_files
  timed_reset many many 1
  [ "$(ls many | grep -vc "^cleanslate-backups$\|^brillora-tools.lock$")" -eq $((files / 2 + 2)) ] || { echo "bench: the reset left the wrong files" >&2; exit 1; }
  rm -rf many
done
find_s=$(median find)
many_s=$(median many)
printf '  %-34s %8.3f s\n' "find -delete" "$find_s"
printf '  %-34s %8.3f s  ratio to find %s (target <= 1.5), peak %s KB\n' "sales reset" "$many_s" \
  "$(ratio "$many_s" "$find_s")" "$(peak many)"
