#!/usr/bin/env bash
# The code's layout: fails, naming the files, when clang-format (with the repository's
# .clang-format) would change any C++ file under src/, tools/, tests/ or bench/.
#   format_check.sh [CLANG_FORMAT]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tool=${1:-clang-format}
cd "$root"
mapfile -d '' files < <(find src tools tests bench -type f \( -name '*.cpp' -o -name '*.h' \) \
  -print0 | sort -z)
"$tool" --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files as .clang-format lays them out"
