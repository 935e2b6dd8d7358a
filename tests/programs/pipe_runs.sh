#!/bin/sh
# Runs both programs' terminal front ends through a pipe, as a script in a
# store would, and compares the files they write byte for byte with what the
# store product expects. The same runs serve the native build and the Windows
# build under Wine.
#
# Usage: pipe_runs.sh WORK_DIR CLEANSLATE TAG [RUNNER...]
# RUNNER (e.g. wine64) is put before each program.
set -u
work=$1 cleanslate=$2 tag=$3
shift 3
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# expect_bytes FILE PRINTF_FORMAT: FILE holds exactly the bytes of the format.
expect_bytes() {
  printf "$2" > "$work/expected"
  if ! cmp -s "$work/expected" "$1"; then
    fail "$1 differs from what is expected:"
    od -c "$1" 2>&1 | head -8 >&2
  fi
}

# run DIR INPUT PROGRAM ARGS...: feeds INPUT through a pipe; leaves the exit
# status, standard output and standard error in $status, DIR/.out, DIR/.err.
run() {
  dir=$1 input=$2
  shift 2
  (cd "$dir" && printf "$input" | "$@" > .out 2> .err)
  status=$?
}

fresh() {
  rm -rf "$work/$1"
  mkdir -p "$work/$1"
  echo "$work/$1"
}

rm -rf "$work"
mkdir -p "$work"

# Cleanslate: the customer reset (yes to the danger question, line 2, yes,
# Enter for the message). The first record becomes the sample customer; the
# second keeps its bytes.
dir=$(fresh customers)
printf '%0360d' 0 | tr 0 c > "$dir/CUST.DAT"
printf 'notes' > "$dir/note.dat"
run "$dir" 'y\n2\ny\n\n' "$@" "$cleanslate" --terminal
[ "$status" -eq 0 ] || fail "cleanslate customer reset: status $status"
[ -s "$dir/.err" ] && fail "cleanslate customer reset: $(cat "$dir/.err")"
grep -q 'The customer files have been zeroed' "$dir/.out" || fail "cleanslate: no completion message"
[ "$(head -c 7 "$dir/CUST.DAT")" = SAMPLER ] || fail "CUST.DAT: no sample customer first"
tail -c 180 "$dir/CUST.DAT" > "$dir/.tail"
printf '%0180d' 0 | tr 0 c > "$work/expected"
cmp -s "$work/expected" "$dir/.tail" || fail "CUST.DAT: the second record changed"
expect_bytes "$dir/cust.pt" ' 1\r\n 1\r\n'
expect_bytes "$dir/note.pt" ' 1\r\n'
expect_bytes "$dir/note.dat" 'notes'
ls "$dir" | grep -qx 'cust.dat' && fail "CUST.DAT got a second, lower-case twin"

# Cleanslate: a file error names the file on standard error, status 1, and
# the sales file (an accented name) stays.
dir=$(fresh error)
printf 'sales' > "$dir/1ÉTÉ.dat"
run "$dir" 'y\n1\ny\n' "$@" "$cleanslate" --terminal
[ "$status" -eq 1 ] || fail "cleanslate file error: status $status"
expect_bytes "$dir/.err" 'cleanslate: Cannot open "cust.pt": No such file or directory\n'
expect_bytes "$dir/1ÉTÉ.dat" 'sales'

# Tag: font size, micro-adjust factor, and a department typed with accented
# letters whose layout file gets a Windows-1252 name.
dir=$(fresh tag)
run "$dir" '9\n7.5\nm\n\nf\n3\no\nd\nÉTÉ\n6\n99\ns\nx\n' "$@" "$tag" --terminal
[ "$status" -eq 0 ] || fail "tag: status $status"
[ -s "$dir/.err" ] && fail "tag: $(cat "$dir/.err")"
expect_bytes "$dir/tagsize.dat" \
  ' 7 \r\n 29 \r\n 45 \r\n 68 \r\n 83 \r\n 106 \r\n 130 \r\n 140 \r\n 7.5 \r\n 3 \r\n'
expect_bytes "$dir/Microadj.dat" '3\r\n'
# Windows holds the name as Unicode (Wine stores it as UTF-8 here); a POSIX
# system keeps the Windows-1252 bytes as they are.
if [ $# -gt 0 ]; then prefix='ÉTÉ'; else prefix=$(printf '\311T\311'); fi
layout=$(ls "$dir" | grep -x "${prefix}TAGS\.[Dd][Aa][Tt]")
layout="$dir/${layout:-${prefix}TAGS.DAT}"
expect_bytes "$layout" \
  '111 DDD\r\nFFFFFFFFFFFF\r\n22222 33333333333333333 \r\n44444 55555555\r\nEEEEEEEEEEEE\r\n99\r\n'
grep -q 'ÉTÉ' "$dir/.out" || fail "tag: the department text is not printed as UTF-8"

rm -f "$work/expected"
if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s); the runs are in $work" >&2
  exit 1
fi
echo "all pipe runs wrote the expected bytes"
