#!/usr/bin/env bash
# Checks where the web build may be told apart from the desktop's under a source tree (default:
# src/): only platform/platform_features.h names __EMSCRIPTEN__ (everything else reads its
# flags), and only the web build's own files (*_web.cpp) include emscripten's headers. Prints
# each line that breaks the rule as FILE:LINE and exits 1; prints a count and exits 0 when none
# does.
#   check_build_split.sh [SRC_DIR]
set -euo pipefail
src=$(cd "${1:-$(dirname "$0")/../../src}" && pwd)
features=platform/platform_features.h

failures=0
files=0
while IFS= read -r -d '' file; do
  relative=${file#"$src"/}
  files=$((files + 1))
  line=0
  while IFS= read -r text; do
    line=$((line + 1))
    if [[ $text == *__EMSCRIPTEN__* && $relative != "$features" ]]; then
      echo "$relative:$line: names __EMSCRIPTEN__: read a flag of $features instead"
      failures=$((failures + 1))
    fi
    if [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*[\<\"]emscripten[./] &&
          $relative != *_web.cpp ]]; then
      echo "$relative:$line: includes emscripten's header outside a *_web.cpp file"
      failures=$((failures + 1))
    fi
  done <"$file"
done < <(find "$src" -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)

if ((failures > 0)); then
  echo "$failures line(s) tell the builds apart outside their place"
  exit 1
fi
echo "build split: $files files, the builds told apart only in $features and *_web.cpp"
