#!/bin/sh
# What only the real system shows: a full disk (a small tmpfs) and a
# read-only file (as a user other than root, who ignores 0444). Either must
# stop Cleanslate before it changes anything, with one line naming the file
# and the reason, and status 1. Needs root (to mount and to change user);
# reports itself skipped (77) otherwise.
#
# Usage: system_checks.sh WORK_DIR CLEANSLATE
set -u
work=$1 cleanslate=$2
[ "$(id -u)" -eq 0 ] || { echo "skipped: needs root"; exit 77; }
command -v setpriv >/dev/null || { echo "skipped: needs setpriv"; exit 77; }
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

rm -rf "$work"
mkdir -p "$work/disk"
if ! mount -t tmpfs -o size=256k tmpfs "$work/disk" 2>/dev/null; then
  echo "skipped: cannot mount a tmpfs here"
  exit 77
fi
trap 'umount "$work/disk" 2>/dev/null; rm -rf "$work"' EXIT

# A full disk: a 180 KB "cust.dat" whose sales reset needs its size again.
store=$work/disk
head -c 184320 /dev/zero | tr '\0' 'c' > "$store/cust.dat"
printf ' 1024\r\n 1024\r\n' > "$store/cust.pt"
printf 'sale' > "$store/12.dat"
(cd "$store" && ls -la) > "$work/before"
printf 'y\n1\ny\n\n' | (cd "$store" && "$cleanslate" --terminal) > "$work/out" 2> "$work/err"
status=$?
[ "$status" -eq 1 ] || fail "full disk: status $status, not 1"
grep -q '^cleanslate: Cannot write "cust.dat": there is not enough free space on the disk' "$work/err" ||
  fail "full disk: $(cat "$work/err")"
[ "$(wc -l < "$work/err")" -eq 1 ] || fail "full disk: more than one error line"
(cd "$store" && ls -la) > "$work/after"
cmp -s "$work/before" "$work/after" || fail "full disk: the files changed"
[ -z "$(ls -A "$store/cleanslate-backups" 2>/dev/null)" ] || fail "full disk: a backup was left"
rm -rf "${store:?}"/*

# A read-only "cust.pt" (the customer reset rewrites it), as nobody.
store=$work/readonly
mkdir -p "$store"
printf 'old count\r\n' > "$store/cust.pt"
printf 'old customers' > "$store/cust.dat"
chmod 0444 "$store/cust.pt"
chown -R nobody "$store"
chmod 0755 "$work"
(cd "$store" && ls -la) > "$work/before"
printf 'y\n2\ny\n\n' |
  (cd "$store" && setpriv --reuid=nobody --regid=nogroup --clear-groups "$cleanslate" --terminal) \
    > "$work/out" 2> "$work/err"
status=$?
[ "$status" -eq 1 ] || fail "read-only: status $status, not 1"
[ "$(cat "$work/err")" = 'cleanslate: Cannot write "cust.pt": it is read-only' ] ||
  fail "read-only: $(cat "$work/err")"
(cd "$store" && ls -la) > "$work/after"
cmp -s "$work/before" "$work/after" || fail "read-only: the files changed"
[ "$(cat "$store/cust.dat")" = "old customers" ] || fail "read-only: cust.dat changed"

[ "$failures" -eq 0 ] && echo "system checks passed"
exit "$failures"
