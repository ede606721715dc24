#!/usr/bin/env bash
# Fuzzes one target with libFuzzer (clang, AddressSanitizer and UndefinedBehaviorSanitizer) for a
# given time, starting from its corpus and adding what it finds there.
#   tools/fuzz/run.sh level|image|demo|code SECONDS [BUILD_DIR]
# Needs clang and libclang-rt-14-dev, and a built game (./test) for the library's sources and
# the pictures that seed the image target. Prints executions per second and in total.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
target=${1:?target: level, image, demo or code}
seconds=${2:?seconds}
build=$(realpath "${3:-$root/build}")
out="$build/fuzz"
mkdir -p "$out"
flags=(-std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
       -I"$root/src" $(pkg-config --cflags sdl))
libs=($(pkg-config --libs sdl SDL_image SDL_mixer SDL_ttf zlib))
# The whole game library as the desktop builds it: every floor but the program's own main and
# the page's own files.
sources=()
for source in "$root"/src/*/*.cpp; do
  [[ $source == */app/main.cpp || $source == *_web.cpp ]] || sources+=("$source")
done
case "$target" in
  level | image | demo | code) extra=() ;;
  *) echo "unknown target $target" >&2; exit 2 ;;
esac
binary="$out/${target}_fuzz"
# Built again whenever a source it is made of changed since.
if [[ ! -x "$binary" || -n $(find "$root/src" "$root/tests/fuzz" \
      -newer "$binary" -name '*.[ch]*' -print -quit) ]]; then
  nice -n 10 clang++ "${flags[@]}" "$root/tests/fuzz/${target}_fuzz.cpp" "${sources[@]}" \
    "${extra[@]}" "${libs[@]}" -o "$binary"
fi
corpus="$root/tests/fuzz/corpus/$target"
mkdir -p "$corpus"
seeds=()
if [[ "$target" == image ]]; then
  # The pictures the build makes seed the search; new findings go to a work folder.
  seeds=("$build/game/images/misc" "$build/game/images/player")
fi
# A dictionary of the target's format words, when it has one.
dict=()
if [[ -f "$root/tests/fuzz/$target.dict" ]]; then
  dict=(-dict="$root/tests/fuzz/$target.dict")
fi
work="$out/${target}_work"
mkdir -p "$work"
cd "$out"
export ASAN_OPTIONS=detect_leaks=0:fast_unwind_on_malloc=0
nice -n 15 "$binary" -max_total_time="$seconds" -close_fd_mask=2 -print_final_stats=1 "${dict[@]}" \
  -artifact_prefix="$out/${target}_" "$work" "$corpus" "${seeds[@]}" 2>&1 |
  grep -E '^(stat::number_of_executed_units|stat::average_exec_per_sec|==|SUMMARY|artifact)' || true
