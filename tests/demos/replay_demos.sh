#!/usr/bin/env bash
# Replays every demo of this folder headless and compares each one's summary line, and the hash
# of every picture it showed (--pictures), with expected.txt; then again with the game's levels
# copied to a folder of their own and played from there (--levels), to the same lines; and one
# into a full disk, which must fail; with --refresh writes expected.txt anew instead (see tools/demos/refresh-expected.sh).
# Usage: replay_demos.sh BINARY GAME_DIR [--refresh]
set -euo pipefail
binary=$(realpath "$1")
game_dir=$2
refresh=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d /tmp/tamberlo-demos.XXXXXX)
trap 'rm -rf "$work"' EXIT

mkdir "$work/levels"
cp "$game_dir"/level*.txt "$work/levels/"
# replay_all OUTPUT [GAME OPTIONS]: every demo's line into OUTPUT.
replay_all() {
  local output=$1 demo name line status
  shift
  for demo in "$here"/*.demo; do
    name=$(basename "$demo")
    status=0
    line=$(cd "$game_dir" && "$binary" "$@" --replay "$demo" --pictures 2>"$work/$name.err" |
      paste -sd " ") || status=$?
    if [[ $status != 0 ]]; then
      echo "FAIL: $name $*: replay exit status $status" >&2
      cat "$work/$name.err" >&2
      [[ -n "$refresh" ]] && echo "(a demo the game leaves must be recorded again)" >&2
      exit 1
    fi
    echo "$name $line" >>"$output"
  done
}
replay_all "$work/actual.txt"
replay_all "$work/copied.txt" --levels "$work/levels"
if ! cmp -s "$work/actual.txt" "$work/copied.txt"; then
  diff -u "$work/actual.txt" "$work/copied.txt" >&2
  echo "FAIL: the game's levels played from a folder of their own (--levels) ended elsewhere" >&2
  exit 1
fi

# A replay whose summary line cannot be written fails, with the reason, after the whole replay.
demo=$(ls "$here"/*.demo | head -1)
status=0
(cd "$game_dir" && "$binary" --replay "$demo" >/dev/full 2>"$work/full.err") || status=$?
if [[ $status != 2 ]] || ! grep -qx 'tamberlo-adventure: cannot write to standard output: .*' "$work/full.err"; then
  echo "FAIL: a replay into a full disk: status $status, $(cat "$work/full.err")" >&2
  exit 1
fi

if [[ -n "$refresh" ]]; then
  cp "$work/actual.txt" "$here/expected.txt"
  cat "$here/expected.txt"
  exit 0
fi
if ! diff -u "$here/expected.txt" "$work/actual.txt" >&2; then
  echo "FAIL: a replay ended elsewhere than expected.txt says (after a deliberate rule change:" \
    "tools/demos/refresh-expected.sh BUILD_DIR)" >&2
  exit 1
fi
echo "PASS: $(wc -l <"$work/actual.txt") demos replay into their expected states"
