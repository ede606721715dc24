#!/usr/bin/env bash
# The layers check (tools/layers/check_layers.sh) itself: on a tree of includes against the floors (against/) it must fail and
# name every one of them, each with its file and line, and nothing else.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
output=$("$here/../../tools/layers/check_layers.sh" "$here/against")
status=$?
if ((status != 1)); then
  echo "the check passed a tree with includes against the floors (status $status)"
  exit 1
fi
diff -u "$here/expected-refusals.txt" <(printf '%s\n' "$output") || exit 1
echo "every include against the floors named"
