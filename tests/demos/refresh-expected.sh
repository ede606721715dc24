#!/usr/bin/env bash
# Writes expected.txt anew from replays of every demo, after a deliberate change of the rules.
# Usage: tests/demos/refresh-expected.sh [BUILD_DIR]   (BUILD_DIR defaults to build/)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:-$here/../../build}")
exec bash "$here/replay_demos.sh" "$build/game/tamberlo-adventure" "$build/game" --refresh
