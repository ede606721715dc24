#!/usr/bin/env bash
# A demo spoilt one way must be refused with exit status 2, a message on standard error naming
# the trouble, and no summary line.
# Usage: bad_demo.sh BINARY GAME_DIR DEMO changed-byte|cut-short|other-levels|garbage
set -euo pipefail
binary=$(realpath "$1")
game_dir=$2
demo=$3
kind=$4
work=$(mktemp -d /tmp/tamberlo-bad-demo.XXXXXX)
trap 'rm -rf "$work"' EXIT
run_dir=$game_dir
size=$(stat -c %s "$demo")

case $kind in
  changed-byte)
    # One digit in the middle of the reads turned into another.
    cp "$demo" "$work/bad.demo"
    at=$(grep -bo '[0-8]' "$demo" | awk -F: -v half=$((size / 2)) '$1 > half && !found { print $1; found = 1 }')
    digit=$(dd if="$demo" bs=1 skip="$at" count=1 status=none)
    printf '%d' $((digit + 1)) | dd of="$work/bad.demo" bs=1 seek="$at" conv=notrunc status=none
    expected="damaged demo"
    ;;
  cut-short)
    head -c $((size * 2 / 3)) "$demo" >"$work/bad.demo"
    expected="truncated demo"
    ;;
  other-levels)
    # The same demo in a run directory whose third level has one dot less.
    cp "$demo" "$work/bad.demo"
    mkdir "$work/game"
    cp -r "$game_dir"/. "$work/game"
    sed -i '5s/^22 17 /22  0 /' "$work/game/level3.txt"
    cmp -s "$game_dir/level3.txt" "$work/game/level3.txt" && { echo "FAIL: level3.txt unchanged" >&2; exit 1; }
    run_dir=$work/game
    expected="recorded on other levels"
    ;;
  garbage)
    perl -e 'srand(8); print map { chr(int(rand(256))) } 1 .. 4096' >"$work/bad.demo"
    expected="not a Tamberlo Adventure demo"
    ;;
  *)
    echo "unknown kind $kind" >&2
    exit 1
    ;;
esac

status=0
(cd "$run_dir" && "$binary" --replay "$work/bad.demo" >"$work/out" 2>"$work/err") || status=$?
[[ $status == 2 ]] || { echo "FAIL: $kind: exit status $status, expected 2" >&2; cat "$work/err" >&2; exit 1; }
grep -q "$expected" "$work/err" || { echo "FAIL: $kind: no '$expected' on stderr:" >&2; cat "$work/err" >&2; exit 1; }
[[ ! -s "$work/out" ]] || { echo "FAIL: $kind: something on stdout:" >&2; cat "$work/out" >&2; exit 1; }
echo "PASS: $kind refused: $(cat "$work/err")"
