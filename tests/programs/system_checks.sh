#!/bin/sh
# What only the real system shows: a full disk (a small tmpfs), a read-only
# file (as a user other than root, who ignores 0444) and files of a
# group-shared store owned by another user. Each must stop Cleanslate before
# it changes anything, with one line naming the file and the reason, and
# status 1; run as root, a rewritten file keeps its owner and group. Needs
# root (to mount and to change user); reports itself skipped (77) otherwise.
#
# Usage: system_checks.sh WORK_DIR CLEANSLATE
set -u
work=$1 cleanslate=$2
[ "$(id -u)" -eq 0 ] || { echo "skipped: needs root"; exit 77; }
command -v setpriv >/dev/null || { echo "skipped: needs setpriv"; exit 77; }
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
# The files of a store as `ls` shows them, the working lock's file (which
# stays once made) and the folder's own line left out.
listing() { (cd "$1" && ls -la | grep -v ' \.$\| \.\.$\| brillora-tools.lock$'); }

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
listing "$store" > "$work/before"
printf 'y\n1\ny\n\n' | (cd "$store" && "$cleanslate" --terminal) > "$work/out" 2> "$work/err"
status=$?
[ "$status" -eq 1 ] || fail "full disk: status $status, not 1"
grep -q '^cleanslate: Cannot write "cust.dat": there is not enough free space on the disk' "$work/err" ||
  fail "full disk: $(cat "$work/err")"
[ "$(wc -l < "$work/err")" -eq 1 ] || fail "full disk: more than one error line"
listing "$store" > "$work/after"
cmp -s "$work/before" "$work/after" || fail "full disk: the files changed"
[ -z "$(ls -A "$store/cleanslate-backups" 2>/dev/null)" ] || fail "full disk: a backup was left"
rm -rf "${store:?}"/*

# A read-only "cust.pt" (the customer reset rewrites it), as nobody.
store=$work/readonly
mkdir -p "$store"
printf 'old count\r\n' > "$store/cust.pt"
printf 'old customers' > "$store/cust.dat"
chmod 0444 "$store/cust.pt"
chown -R nobody:nogroup "$store"
chmod 0755 "$work"
listing "$store" > "$work/before"
printf 'y\n2\ny\n\n' |
  (cd "$store" && setpriv --reuid=nobody --regid=nogroup --clear-groups "$cleanslate" --terminal) \
    > "$work/out" 2> "$work/err"
status=$?
[ "$status" -eq 1 ] || fail "read-only: status $status, not 1"
[ "$(cat "$work/err")" = 'cleanslate: Cannot write "cust.pt": it is read-only' ] ||
  fail "read-only: $(cat "$work/err")"
listing "$store" > "$work/after"
cmp -s "$work/before" "$work/after" || fail "read-only: the files changed"
[ "$(cat "$store/cust.dat")" = "old customers" ] || fail "read-only: cust.dat changed"

# A group-shared store: the files belong to the store's user 1001 and its
# group 5000 (mode 664); user 1002 of that group cannot give a new file
# user 1001, so the reset is refused before anything changes.
store=$work/shared
mkdir -p "$store"
printf ' 1\r\n 1\r\n' > "$store/cust.pt"
head -c 180 /dev/zero | tr '\0' 'c' > "$store/cust.dat"
printf 'sale' > "$store/12.dat"
chown -R 1001:5000 "$store"
chmod 0664 "$store"/*
chmod 2775 "$store"
listing "$store" > "$work/before"
printf 'y\n1\ny\n\n' |
  (cd "$store" && setpriv --reuid=1002 --regid=1002 --groups=5000 "$cleanslate" --terminal) \
    > "$work/out" 2> "$work/err"
status=$?
[ "$status" -eq 1 ] || fail "shared: status $status, not 1"
grep -q '^cleanslate: Cannot write "cust.dat": it belongs to another user or group (1001:5000)' \
  "$work/err" || fail "shared: $(cat "$work/err")"
listing "$store" > "$work/after"
cmp -s "$work/before" "$work/after" || fail "shared: the files changed"
# Run by root, every rewritten file keeps its owner, group and mode.
printf 'y\n1\ny\n\n' | (cd "$store" && "$cleanslate" --terminal) > "$work/out" 2> "$work/err" ||
  fail "shared as root: $(cat "$work/err")"
[ "$(stat -c '%u:%g %a' "$store/cust.dat")" = "1001:5000 664" ] ||
  fail "shared as root: cust.dat is $(stat -c '%u:%g %a' "$store/cust.dat")"
[ ! -e "$store/12.dat" ] || fail "shared as root: the sales file is still there"
printf 'y\n2\ny\n\n' | (cd "$store" && "$cleanslate" --terminal) > "$work/out" 2> "$work/err" ||
  fail "shared as root: $(cat "$work/err")"
[ "$(stat -c '%u:%g %a' "$store/cust.pt")" = "1001:5000 664" ] ||
  fail "shared as root: cust.pt is $(stat -c '%u:%g %a' "$store/cust.pt")"

[ "$failures" -eq 0 ] && echo "system checks passed"
exit "$failures"
