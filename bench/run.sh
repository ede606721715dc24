#!/usr/bin/env bash
# Benchmarks of the built game (run ./test or ./play first so build/ exists):
#  1. the real binary under Xvfb for 10 s of play: CPU used (from /proc) and its frame period;
#  2. the cost of one frame's work over 2,000 headless frames of level 1, also while recording;
# Results go to standard output. Usage: bench/run.sh [BUILD_DIR [GAME_OPTION...]]
# The options are given to the real binary of step 1, e.g. --record /tmp/bench.demo to measure
# what recording costs. BENCH_DISPLAY picks the first Xvfb display number to try (99).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
shift || true
game="$build/game"
bench="$build/bench/frame_bench"
[[ -x "$bench" && -x "$game/tamberlo-adventure" ]] || { echo "build first: ./test" >&2; exit 2; }

n=${BENCH_DISPLAY:-99}
while [[ -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=":$n"
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# 1. The real binary: click play, hold an arrow, and read its CPU time over 10 s of play.
cd "$game"
./tamberlo-adventure "$@" >/dev/null 2>&1 &
pid=$!
window=$(timeout 20 xdotool search --sync --name "Tamberlo Adventure - A Tamberlo Production" | head -1)
xdotool mousemove --window "$window" 80 550; sleep 0.3; xdotool mousedown 1; sleep 0.3; xdotool mouseup 1
sleep 1
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
start=$(date +%s.%N)
xdotool keydown --window "$window" Right
sleep 10
xdotool keyup --window "$window" Right
after=$(ticks)
end=$(date +%s.%N)
xdotool key --window "$window" Escape
wait "$pid" || true
awk -v a="$after" -v b="$before" -v hz="$hz" -v s="$start" -v e="$end" \
  'BEGIN { printf "real binary in play under Xvfb for %.1f s: CPU %.2f %% of one core\n", e - s, 100 * (a - b) / hz / (e - s) }'

# 2. The same frame loop in-process on the X display: frame period and CPU.
SDL_AUDIODRIVER=dummy "$bench" pacing 10 2>/dev/null | grep -v '^ALSA'

# 3. The work of one frame, headless, and the same while recording a demo.
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$bench" cost 2000 2>/dev/null
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$bench" cost 2000 "$build/bench/cost.demo" 2>/dev/null
