#!/usr/bin/env bash
# The command line of the real binary: help and version on standard output with status 0, or
# status 2 when it cannot be written; an unknown option, a missing FILE or a wrong combination
# give the usage on standard error and status 2, and start nothing; a player's set of mazes that
# cannot be played is refused with status 1 before any window, file by file and cell by cell.
# Usage: command_line_check.sh BINARY VERSION GAME_DIR
set -euo pipefail
binary=$1
version=$2
game_dir=$3
work=$(mktemp -d /tmp/tamberlo-cli.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Runs the binary with the arguments; leaves status, out and err.
run() {
  status=0
  # No display, so a game that started by mistake could not open a window.
  env -u DISPLAY "$binary" "$@" >"$work/out" 2>"$work/err" || status=$?
  out=$(cat "$work/out")
  err=$(cat "$work/err")
}

run --help
[[ $status == 0 && $out == Usage:* && $out == *"--record FILE"* && $out == *"--replay FILE"* &&
  $out == *--realtime* && -z $err ]] || fail "--help: status $status, out '$out', err '$err'"
run --version
[[ $status == 0 && $out == "tamberlo-adventure $version" && -z $err ]] ||
  fail "--version: status $status, out '$out'"

for args in "--frobnicate" "--record" "--replay" "--replay --realtime" "--realtime" \
  "--record a.demo --realtime" "--record a.demo --replay b.demo" "extra" "--levels" \
  "--levels a --levels b" "--levels --record a.demo"; do
  # shellcheck disable=SC2086
  run $args
  [[ $status == 2 && -z $out && $err == "tamberlo-adventure: "* && $err == *Usage:* ]] ||
    fail "'$args': status $status, out '$out', err '$err'"
done
# What cannot be written is no success: help and version into a full disk.
for option in --help --version; do
  status=0
  env -u DISPLAY "$binary" "$option" >/dev/full 2>"$work/err" || status=$?
  err=$(cat "$work/err")
  [[ $status == 2 && $err == "tamberlo-adventure: cannot write to standard output: No space left on device" ]] ||
    fail "$option >/dev/full: status $status, err '$err'"
done
# A one-letter FILE is a file like any other: here one that is not there.
run --replay x
[[ $status == 2 && $err == "tamberlo-adventure: x: cannot read the demo" ]] ||
  fail "'--replay x': status $status, err '$err'"

# Sets of mazes: a missing folder, a code that means nothing in a later level (the first is
# sound and named nowhere), a file cut short, and a sound set of other levels than a demo's.
mkdir "$work/set" "$work/short"
cp "$game_dir/level1.txt" "$game_dir/level2.txt" "$work/set/"
sed -i '1s/^[0-9]*/99/' "$work/set/level2.txt"
head -c 300 "$game_dir/level1.txt" >"$work/short/level1.txt"
run --levels "$work/none"
[[ $status == 1 && $err == "tamberlo-adventure: $work/none: cannot read level1.txt: No such file or directory" ]] ||
  fail "a missing folder: status $status, err '$err'"
run --levels "$work/set"
[[ $status == 1 && $err == "tamberlo-adventure: $work/set/level2.txt: row 0, column 0: code 99 means nothing" ]] ||
  fail "a code that means nothing: status $status, err '$err'"
run --levels "$work/short"
[[ $status == 1 && $err == "tamberlo-adventure: $work/short/level1.txt: only "*" numbers, a level holds 475" ]] ||
  fail "a file cut short: status $status, err '$err'"
cp "$game_dir/level2.txt" "$work/set/"
demo=$(ls "$(dirname "$0")/../demos/"*.demo | head -1)
run --levels "$work/set" --replay "$demo"
[[ $status == 2 && $err == *"recorded on other levels"* ]] ||
  fail "a demo of other levels: status $status, err '$err'"
echo "PASS: help, version, wrong command lines and unplayable sets of mazes"
