#!/usr/bin/env bash
# Writes expected.txt anew from replays of every demo, and autopilot-expected.txt from the
# autopilot's whole game, after a deliberate change of the rules.
# Usage: tests/demos/refresh-expected.sh [BUILD_DIR]   (BUILD_DIR defaults to build/)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../../build}")
bash "$here/replay_demos.sh" "$build/game/tamberlo-adventure" "$build/game" --refresh
TAMBERLO_REFRESH_EXPECTED=1 ctest --test-dir "$build" -R autopilot.wins --output-on-failure >/dev/null
cat "$here/autopilot-expected.txt"
