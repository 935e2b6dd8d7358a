#!/bin/sh
# The safety layer between real processes, as a store meets it:
#  - a second Cleanslate or Tag started while one is working is refused,
#    and --list-backups says that one is at work;
#  - a sales reset stopped with SIGTERM part-way puts every file back and
#    ends with status 1;
#  - a full reset whose terminal is closed at "FINISHED" stays done: after a
#    week of store use, the next start puts nothing back.
#
# Usage: process_checks.sh WORK_DIR CLEANSLATE TAG
set -u
work=$1
cleanslate=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
tag=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

rm -rf "$work"
mkdir -p "$work"
trap 'kill -9 $(jobs -p) 2>/dev/null; [ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT

# waits until the shell pattern $1 matches a path, at most 20 s.
wait_for() {
  i=0
  while [ $i -lt 2000 ]; do
    # shellcheck disable=SC2086
    for path in $1; do [ -e "$path" ] && return 0; done
    sleep 0.01
    i=$((i + 1))
  done
  return 1
}

# A store whose sales reset takes a while: 1,000,000 customers (180 MB).
make_store() {
  mkdir -p "$1"
  head -c 180000000 /dev/zero | tr '\0' 'c' >"$1/cust.dat"
  printf ' 1000000\r\n 1000000\r\n' >"$1/cust.pt"
  printf 'sale' >"$1/12.dat"
}

# 1. Two programs on one directory.
store=$work/busy
make_store "$store"
cksum "$store/cust.dat" >"$work/before"
printf 'y\n1\ny\n\n' | (cd "$store" && exec "$cleanslate" --terminal) >"$work/first.out" 2>&1 &
first=$!
if wait_for "$store/cleanslate-backups/*/journal"; then
  kill -STOP $first
  printf 'y\n1\ny\n\n' | (cd "$store" && "$cleanslate" --terminal) >"$work/second.out" 2>"$work/second.err"
  status=$?
  [ $status -eq 1 ] || fail "second cleanslate: status $status, not 1"
  grep -q "Another Cleanslate or Tag is working on this data directory" "$work/second.err" ||
    fail "second cleanslate said: $(cat "$work/second.err")"
  printf 'q\n' | (cd "$store" && "$tag" --terminal) >"$work/tag.out" 2>"$work/tag.err"
  status=$?
  [ $status -eq 1 ] || fail "tag beside cleanslate: status $status, not 1"
  grep -q "Another Cleanslate or Tag is working" "$work/tag.err" ||
    fail "tag said: $(cat "$work/tag.err")"
  (cd "$store" && "$cleanslate" --list-backups) >"$work/list.out" 2>&1 ||
    fail "--list-backups beside a running reset: $(cat "$work/list.out")"
  grep -q "working on this data directory right now" "$work/list.out" ||
    fail "--list-backups did not say another program works: $(cat "$work/list.out")"
  kill -CONT $first
  wait $first || fail "the first cleanslate failed: $(cat "$work/first.out")"
  [ ! -e "$store/12.dat" ] || fail "the first reset did not finish"
else
  fail "the first reset never wrote its journal"
  wait $first
fi
rm -rf "$store"

# 2. SIGTERM in the middle of the sales reset.
store=$work/term
make_store "$store"
cksum "$store/cust.dat" >"$work/before"
printf 'y\n1\ny\n\n' | (cd "$store" && exec "$cleanslate" --terminal) >"$work/term.out" 2>"$work/term.err" &
running=$!
if wait_for "$store/cleanslate-backups/*/journal"; then
  kill -TERM $running
  wait $running
  status=$?
  [ $status -eq 1 ] || fail "SIGTERM: status $status, not 1 ($(cat "$work/term.err"))"
  grep -q "asked to stop (a request to end the program).*Every file has been put back as it was." \
    "$work/term.err" || fail "SIGTERM said: $(cat "$work/term.err")"
  cksum "$store/cust.dat" | cmp -s - "$work/before" || fail "SIGTERM: cust.dat changed"
  [ "$(cat "$store/12.dat" 2>/dev/null)" = sale ] || fail "SIGTERM: the sales file is gone"
  [ -z "$(ls -A "$store/cleanslate-backups" 2>/dev/null)" ] || fail "SIGTERM: a backup was left"
else
  fail "the reset to stop never wrote its journal"
  wait $running
fi
rm -rf "$store"

# 3. The terminal closed at "FINISHED", then a week of store use.
store=$work/finished
mkdir -p "$store"
printf 'old customers' >"$store/cust.dat"
mkfifo "$work/input"
(cd "$store" && exec "$cleanslate" --terminal) <"$work/input" >"$work/full.out" 2>&1 &
running=$!
exec 3>"$work/input"
printf 'y\n12\ny\n' >&3
i=0
until grep -q "FINISHED" "$work/full.out" || [ $i -ge 2000 ]; do sleep 0.01; i=$((i + 1)); done
kill -HUP $running
wait $running 2>/dev/null
exec 3>&-
[ -e "$store/dept.dat" ] || fail "hang-up at FINISHED: the reset is not there"
printf 'a week of new customers' >"$store/cust.dat"
printf 'q\n' | (cd "$store" && "$tag" --terminal) >"$work/next.out" 2>&1 ||
  fail "the next start failed: $(cat "$work/next.out")"
grep -q "was stopped before it had finished" "$work/next.out" &&
  fail "the next start put back a finished reset: $(cat "$work/next.out")"
[ "$(cat "$store/cust.dat")" = "a week of new customers" ] || fail "hang-up at FINISHED: cust.dat put back"

[ "$failures" -eq 0 ] && echo "process checks passed"
exit "$failures"
