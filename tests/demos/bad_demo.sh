#!/usr/bin/env bash
# A demo played on other level files is refused with exit status 2, a message on standard error
# naming the trouble, and nothing on standard output. (The reader's own tests refuse damaged,
# cut and foreign bytes; the command line's, a demo that is not there.)
# Usage: bad_demo.sh BINARY GAME_DIR DEMO other-levels
set -euo pipefail
binary=$(realpath "$1")
game_dir=$2
demo=$3
kind=$4
work=$(mktemp -d /tmp/tamberlo-bad-demo.XXXXXX)
trap 'rm -rf "$work"' EXIT
# The same demo in a run directory whose third level has one dot less.
cp "$demo" "$work/bad.demo"
mkdir "$work/game"
cp -r "$game_dir"/. "$work/game"
sed -i '5s/^22 17 /22  0 /' "$work/game/level3.txt"
cmp -s "$game_dir/level3.txt" "$work/game/level3.txt" && { echo "FAIL: level3.txt unchanged" >&2; exit 1; }
run_dir=$work/game
expected="recorded on other levels"

status=0
(cd "$run_dir" && "$binary" --replay "$work/bad.demo" >"$work/out" 2>"$work/err") || status=$?
[[ $status == 2 ]] || { echo "FAIL: $kind: exit status $status, expected 2" >&2; cat "$work/err" >&2; exit 1; }
grep -q "tamberlo-adventure: .*$expected" "$work/err" || { echo "FAIL: $kind: no '$expected' on stderr:" >&2; cat "$work/err" >&2; exit 1; }
[[ ! -s "$work/out" ]] || { echo "FAIL: $kind: something on stdout:" >&2; cat "$work/out" >&2; exit 1; }
echo "PASS: $kind refused: $(cat "$work/err")"
