#!/usr/bin/env bash
# Checks the direction of every #include under a source tree (default: src/): each folder is a
# floor and includes only from its own floor or those below it; demo/ stands beside the floors,
# uses only core/ and platform/, and only app/ uses it; nothing includes from tools/. Prints
# each include that breaks the rule as FILE:LINE and exits 1; prints a count and exits 0 when
# none does.
#   check_layers.sh [SRC_DIR]
set -euo pipefail
src=$(cd "${1:-$(dirname "$0")/../../src}" && pwd)
mapfile -t floors < <(grep -E '^[a-z]+$' "$(dirname "${BASH_SOURCE[0]}")/floors.txt")

rank() { # the floor's height, or nothing for a folder that is no floor
  local i
  for i in "${!floors[@]}"; do [[ ${floors[$i]} == "$1" ]] && { echo "$i"; return; }; done
}

# Why an include from floor $1 of folder $2 breaks the rule, or nothing when it may.
refusal() {
  local from=$1 to=$2
  [[ $to == tools ]] && { echo "the game never uses tools/"; return; }
  if [[ $to == demo ]]; then
    [[ $from == demo || $from == app ]] || echo "only app/ uses demo/"
    return
  fi
  if [[ $from == demo ]]; then
    [[ $to == core || $to == platform ]] || echo "demo/ uses only core/ and platform/"
    return
  fi
  local up down
  up=$(rank "$to")
  down=$(rank "$from")
  [[ -z $up ]] && { echo "$to/ is no floor"; return; }
  ((up <= down)) || echo "$to/ is above $from/"
}

failures=0
checked=0
while IFS= read -r -d '' file; do
  relative=${file#"$src"/}
  from=${relative%%/*}
  if [[ $relative != */* ]] || { [[ $from != demo ]] && [[ -z $(rank "$from") ]]; }; then
    echo "$relative: not on a floor (src/ holds only ${floors[*]} and demo)"
    failures=$((failures + 1))
    continue
  fi
  line=0
  while IFS= read -r text; do
    line=$((line + 1))
    [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]] || continue
    target=${BASH_REMATCH[1]}
    checked=$((checked + 1))
    if [[ $target == ../* || $target == */../* ]]; then
      echo "$relative:$line: #include \"$target\": climbs out of its folder"
      failures=$((failures + 1))
      continue
    fi
    # An include without a folder is a file beside this one.
    [[ $target == */* ]] || continue
    why=$(refusal "$from" "${target%%/*}")
    if [[ -n $why ]]; then
      echo "$relative:$line: #include \"$target\": $why"
      failures=$((failures + 1))
    fi
  done <"$file"
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if ((failures > 0)); then
  echo "$failures include(s) against the floors"
  exit 1
fi
echo "layers: $checked includes, every one down a floor or on its own"
