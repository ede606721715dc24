#!/usr/bin/env bash
# The command line of the real binary: help and version on standard output with status 0, or
# status 2 when it cannot be written; an unknown option, a missing FILE or a wrong combination
# give the usage on standard error and status 2, and start nothing.
# Usage: command_line_check.sh BINARY VERSION
set -euo pipefail
binary=$1
version=$2
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
  "--record a.demo --realtime" "--record a.demo --replay b.demo" "extra"; do
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
echo "PASS: help, version and wrong command lines"
