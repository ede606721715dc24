#!/usr/bin/env bash
# Installs the Debian packages the game needs (only those missing), then configures and builds
# the game. Shared by ./play and ./test.
#   setup.sh [BUILD_DIR [CMAKE_ARGS...]]   (BUILD_DIR defaults to build/)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
shift || true

"$root/scripts/install-packages.sh" "$root/scripts/debian-packages.txt"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j"$(nproc)"
