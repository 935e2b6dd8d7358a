#!/bin/sh
# Drives both Windows programs' windows by keyboard under Wine (its null
# graphics driver: no display), as a person at the store's computer would,
# and compares the files they write and their exit status.
#
# Usage: window_runs.sh WORK_DIR DRIVER CLEANSLATE TAG WINE [LINUX_CLEANSLATE]
# LINUX_CLEANSLATE, when it names a program that runs here, is the Linux
# build's: "Zero everything" must then write its bytes too.
set -u
work=$1 driver=$2 cleanslate=$3 tag=$4 wine=$5 linux_cleanslate=${6:-}
failures=0

fail() {
  printf 'FAIL: %s\n' "$*" >&2
  failures=$((failures + 1))
}

windows_path() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }
win_cleanslate=$(windows_path "$cleanslate")
win_tag=$(windows_path "$tag")

# expect_bytes FILE PRINTF_FORMAT: FILE holds exactly the bytes of the format.
expect_bytes() {
  printf "$2" > "$work/expected"
  if ! cmp -s "$work/expected" "$1"; then
    fail "$1 differs from what is expected:"
    od -c "$1" 2>&1 | head -8 >&2
  fi
}

fresh() {
  rm -rf "$work/$1"
  mkdir -p "$work/$1"
  echo "$work/$1"
}

# drive DIR NAME: runs the script on standard input in DIR with the driver;
# the driver's own failure is the test's.
drive() {
  cat > "$work/$2.script"
  if ! (cd "$1" && "$wine" "$driver" "$(windows_path "$work/$2.script")" > "$work/$2.out" 2>&1); then
    fail "$2: $(cat "$work/$2.out")"
  fi
}

# The complete initial data set, written by the terminal front end.
initial_data() {
  (cd "$1" && printf 'y\n12\ny\n\n' | "$wine" "$cleanslate" --terminal > /dev/null 2>&1)
}

rm -rf "$work"
mkdir -p "$work"

# Cleanslate by keyboard: yes to the danger question (Alt+Y), line 8 "Zero
# budget files", Yes, then the completion message.
dir=$(fresh budget)
printf 'plan' > "$dir/2026.BUD"
printf 'keep' > "$dir/cust.dat"
drive "$dir" budget <<EOF2
run "$win_cleanslate"
wait Cleanslate
keys alt+y
wait Making Files for Brillora Program 
keys down down down down down down down down enter
wait Cleanslate
keys y
wait Cleanslate
keys enter
exit 0
EOF2
[ -e "$dir/2026.BUD" ] && fail "budget reset: 2026.BUD is still there"
expect_bytes "$dir/cust.dat" 'keep'

# --restore by keyboard, in message boxes: No (the default) changes nothing;
# Yes puts the budget file back.
drive "$dir" restore-no <<EOF2
run "$win_cleanslate" --restore
wait Cleanslate
keys enter
wait Cleanslate
keys enter
exit 0
EOF2
[ -e "$dir/2026.BUD" ] && fail "--restore answered No: 2026.BUD came back"
drive "$dir" restore-yes <<EOF2
run "$win_cleanslate" --restore
wait Cleanslate
keys y
wait Cleanslate
keys enter
exit 0
EOF2
expect_bytes "$dir/2026.BUD" 'plan'

# A file error: one line on the error stream, the same words in an error
# box, status 1, and the file as it was.
dir=$(fresh error)
printf 'plan' > "$dir/2026.bud"
chmod a-w "$dir/2026.bud"
drive "$dir" error <<EOF2
run "$win_cleanslate"
wait Cleanslate
keys alt+y
wait Making Files for Brillora Program 
keys down down down down down down down down enter
wait Cleanslate
keys y
wait Cleanslate
keys enter
exit 1
EOF2
grep -q '^cleanslate: Cannot delete "2026.bud": it is read-only' "$work/error.out" ||
  fail "file error: no error line: $(cat "$work/error.out")"
expect_bytes "$dir/2026.bud" 'plan'
chmod u+w "$dir/2026.bud"

# The danger question declined with Enter (No is the default): nothing shown,
# nothing touched.
dir=$(fresh declined)
printf 'plan' > "$dir/2026.bud"
drive "$dir" declined <<EOF2
run "$win_cleanslate"
wait Cleanslate
keys enter
exit 0
EOF2
expect_bytes "$dir/2026.bud" 'plan'

# The lock: "No more zeroing", Yes (its default), OK; the next start says it
# is locked and ends.
dir=$(fresh lock)
drive "$dir" lock <<EOF2
run "$win_cleanslate"
wait Cleanslate
keys alt+y
wait Making Files for Brillora Program 
keys end up enter
wait Cleanslate
keys enter
wait Cleanslate
keys enter
exit 0
run "$win_cleanslate"
wait Cleanslate
keys enter
exit 0
EOF2
expect_bytes "$dir/nozero.dat" 'No Zero\r\n'

# Zero everything by keyboard writes the same bytes as the terminal does.
dir=$(fresh everything)
reference=$(fresh everything-terminal)
initial_data "$reference"
drive "$dir" everything <<EOF2
run "$win_cleanslate"
wait Cleanslate
keys alt+y
wait Making Files for Brillora Program 
keys home down down down down down down down down down down down enter
wait Cleanslate
keys y
wait Cleanslate
keys enter
exit 0
EOF2
# same_files REFERENCE NAME: the files of "everything" are those of REFERENCE.
same_files() {
  for file in $(cd "$1" && ls); do
    [ -d "$1/$file" ] && continue
    cmp -s "$1/$file" "$dir/$file" || fail "Zero everything: $file differs from the $2's"
  done
  [ "$(cd "$dir" && ls | wc -l)" -eq "$(cd "$1" && ls | wc -l)" ] ||
    fail "Zero everything: not the same files as the $2's"
}
same_files "$reference" terminal
if [ -n "$linux_cleanslate" ] && [ -x "$linux_cleanslate" ]; then
  linux=$(fresh everything-linux)
  (cd "$linux" && printf 'y\n12\ny\n\n' | "$linux_cleanslate" --terminal > /dev/null 2>&1)
  same_files "$linux" "Linux build"
fi

# Tag by keyboard: into the settings list (Down: its heading), back (Enter),
# down the list to position C, each line stored as it stands on the way,
# 50, Enter, then Save/Exit (Alt+X).
dir=$(fresh tag-position)
drive "$dir" tag-position <<EOF2
run "$win_tag"
wait tags layout
keys down enter down enter down enter down
type 50
keys enter alt+x
exit 0
EOF2
expect_bytes "$dir/tagsize.dat" \
  ' 7 \r\n 29 \r\n 50 \r\n 68 \r\n 83 \r\n 106 \r\n 130 \r\n 140 \r\n 8 \r\n 3 \r\n'

# A department layout: Change Order (Alt+O), the next department picked in
# the department box (Down: "GENTS RINGS"), the last layout box (Shift+Tab)
# typed over, the tag preview opened (Ctrl+I) and closed (Escape), Save
# Change (Alt+S), then Save/Exit.
dir=$(fresh department)
initial_data "$dir"
drive "$dir" department <<EOF2
run "$win_tag"
wait tags layout
keys alt+o
wait Change Tag Printing Order of Information
keys down shift+tab
type 99
keys ctrl+i
wait Tag preview
keys esc
gone Tag preview
wait Change Tag Printing Order of Information
keys alt+s
gone Change Tag Printing Order of Information
wait tags layout
keys alt+x
exit 0
EOF2
expect_bytes "$dir/GENTAGS.DAT" \
  '111 DDD\r\nFFFFFFFFFFFF\r\n22222 33333333333333333 \r\n44444 55555555\r\nEEEEEEEEEEEE\r\n99\r\n'

# Set all back to default, declined (No is the default of its question):
# "Nothing changed", the window stays; Alt+F4 closes it, Alt+X ends.
dir=$(fresh defaults-declined)
initial_data "$dir"
printf 'layout\r\n' > "$dir/GENTAGS.dat"
printf 'default\r\n' > "$dir/DEFTAGS.dat"
drive "$dir" defaults-declined <<EOF2
run "$win_tag"
wait tags layout
keys alt+o
wait Change Tag Printing Order of Information
keys alt+a
wait Tag
keys enter
wait Tag
keys enter
wait Change Tag Printing Order of Information
keys alt+f4
gone Change Tag Printing Order of Information
wait tags layout
keys alt+x
exit 0
EOF2
expect_bytes "$dir/GENTAGS.dat" 'layout\r\n'
expect_bytes "$dir/DEFTAGS.dat" 'default\r\n'

# Accepted, both questions: every department's layout and the DEFAULT one go.
dir=$(fresh defaults-accepted)
initial_data "$dir"
printf 'layout\r\n' > "$dir/GENTAGS.dat"
printf 'default\r\n' > "$dir/DEFTAGS.dat"
drive "$dir" defaults-accepted <<EOF2
run "$win_tag"
wait tags layout
keys alt+o
wait Change Tag Printing Order of Information
keys alt+a
wait Tag
keys y
wait Tag
keys y
gone Change Tag Printing Order of Information
wait tags layout
keys alt+x
exit 0
EOF2
[ -e "$dir/GENTAGS.dat" ] && fail "Set all back to default: GENTAGS.dat is still there"
[ -e "$dir/DEFTAGS.dat" ] && fail "Set all back to default: DEFTAGS.dat is still there"

# Started in the folder that holds the program, the terminal refuses and
# names --data; with --data it works on the folder named.
dir=$(fresh own-folder)
cp "$cleanslate" "$dir/cleanslate.exe"
(cd "$dir" && "$wine" "$dir/cleanslate.exe" --terminal < /dev/null > "$work/own.out" 2> "$work/own.err")
status=$?
[ "$status" -eq 2 ] || fail "own folder: status $status"
grep -q -- '--data' "$work/own.err" || fail "own folder: no word of --data: $(cat "$work/own.err")"
mkdir "$dir/store"
printf 'plan' > "$dir/store/2026.bud"
(cd "$dir" && printf 'y\n8\ny\n\n' | "$wine" "$dir/cleanslate.exe" --terminal --data store \
  > "$work/data.out" 2>&1) || fail "--data: $(cat "$work/data.out")"
[ -e "$dir/store/2026.bud" ] && fail "--data: the store folder was not worked on"
[ -d "$dir/cleanslate-backups" ] && fail "--data: the program's folder was worked on"

rm -f "$work/expected"
if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s); the runs are in $work" >&2
  exit 1
fi
echo "all window runs wrote the expected bytes"
