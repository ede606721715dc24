#!/usr/bin/env bash
# Writes expected.txt anew from replays of every demo, and autopilot-expected.txt from the
# autopilot's whole game, after a deliberate change of the rules.
# Usage: tools/demos/refresh-expected.sh [BUILD_DIR]   (BUILD_DIR defaults to build/)
set -euo pipefail
demos=$(cd "$(dirname "$0")/../../tests/demos" && pwd)
build=$(realpath "${1:-$demos/../../build}")
bash "$demos/replay_demos.sh" "$build/game/tamberlo-adventure" "$build/game" --refresh
TAMBERLO_REFRESH_EXPECTED=1 ctest --test-dir "$build" -R autopilot.wins --output-on-failure >/dev/null
cat "$demos/autopilot-expected.txt"
