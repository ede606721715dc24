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

# Share codes, made here by Python's own zlib from the shipped maps: the five joined replay a
# demo to its expected line, from --maze and from a file of codes; a damaged one, one whose
# maze fails the checks and one whose map does not convert are refused with the maze's place
# among the codes.
maps=$(cd "$(dirname "$0")/../../data/levels/src" && pwd)
demo=$(realpath "$demo")
cd "$game_dir"
codes=$(python3 -c 'import base64, sys, zlib
def code(text):
    packer = zlib.compressobj(9, zlib.DEFLATED, -15)
    return "T1." + base64.urlsafe_b64encode(packer.compress(text) + packer.flush()).decode().rstrip("=")
maps = [open(name, "rb").read() for name in sys.argv[1:]]
first = code(maps[0]) + "~"
print("~".join(map(code, maps)), *(first + code(maps[1].replace(b"P", c)) for c in (b"_", b"@")))' \
  "$maps"/level{1,2,3,4,5}.map)
read -r codes startless unknown <<<"$codes"
tr '~' '\n' <<<"$codes" >"$work/codes.txt"
expected=$(grep "^$(basename "$demo") " "$(dirname "$demo")/expected.txt" | cut -d' ' -f2-)
for way in "--maze $codes" "--levels $work/codes.txt"; do
  # shellcheck disable=SC2086
  run $way --replay "$demo" --pictures
  [[ $status == 0 && $(paste -sd' ' <<<"$out") == "$expected" ]] ||
    fail "the shipped maps' codes (${way%% *}): status $status, out '$out', err '$err'"
done
run --maze "${codes:0:60}"
[[ $status == 1 && $err == "tamberlo-adventure: maze 1: the code is damaged or cut short" ]] ||
  fail "a damaged code: status $status, err '$err'"
run --maze "$startless"
[[ $status == 1 && $err == "tamberlo-adventure: maze 2: no player start (code 2)" ]] ||
  fail "a maze that fails the checks: status $status, err '$err'"
run --maze "$unknown"
legend="maze 2: row 11, column 4: character '@' is not in the legend"
[[ $status == 1 && $err == "tamberlo-adventure: $legend" ]] ||
  fail "a maze that does not convert: status $status, err '$err'"
echo "PASS: help, version, wrong command lines, unplayable sets of mazes and share codes"
