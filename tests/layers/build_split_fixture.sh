#!/usr/bin/env bash
# The check of where the builds are told apart (tools/layers/check_build_split.sh) itself: on a
# tree that names the web build in its two allowed places and in two others, it must fail and
# name exactly the two others, each with its file and line.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree/platform" "$tree/screens"
printf '// flags\n#ifdef __EMSCRIPTEN__\n#endif\n' >"$tree/platform/platform_features.h"
printf '// page\n#include <emscripten.h>\n' >"$tree/platform/video_web.cpp"
printf '// menu\nint a;\n#ifdef __EMSCRIPTEN__\n#endif\n' >"$tree/screens/menu.cpp"
printf '// canvas\n#include <SDL.h>\n  #include "emscripten/html5.h"\n' >"$tree/platform/canvas.cpp"
output=$("$here/../../tools/layers/check_build_split.sh" "$tree")
status=$?
if ((status != 1)); then
  echo "the check passed a tree that tells the builds apart elsewhere (status $status)"
  exit 1
fi
expected="platform/canvas.cpp:3: includes emscripten's header outside a *_web.cpp file
screens/menu.cpp:3: names __EMSCRIPTEN__: read a flag of platform/platform_features.h instead
2 line(s) tell the builds apart outside their place"
diff -u <(printf '%s\n' "$expected") <(printf '%s\n' "$output") || exit 1
echo "every place that tells the builds apart outside its own named"
