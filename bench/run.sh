#!/usr/bin/env bash
# Benchmarks of the built game, each figure printed beside its baseline (run ./test or ./play
# first so build/ exists; the replay needs build/tools/autopilot/autopilot.demo, made by
# `ctest -R autopilot`, or a demo given as DEMO=FILE):
#  1. CPU % of a core: the real binary on the intro and in play (also while recording), and
#     every screen in-process, against the maze-only loop and the music alone; with the sound
#     the game plays (SDL's dummy audio driver, so the synthesizer really runs) and without;
#  2. first picture after exec, in ms (median of five starts), and how long starting each music
#     track holds the game up;
#  3. peak resident memory (VmHWM) with and without music, and over a replayed whole game;
#  4. frame work per frame over a replayed whole game, and over 2,000 frames of level 1 with
#     and without recording.
# Usage: bench/run.sh [BUILD_DIR]. BENCH_DISPLAY: first Xvfb display number to try (99);
# BENCH_SECONDS: length of each CPU measurement (10).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-$root/build}")
game="$build/game"
bin="$build/bench"
secs=${BENCH_SECONDS:-10}
demo=${DEMO:-$build/tools/autopilot/autopilot.demo}
for f in "$bin/frame_bench" "$bin/screen_bench" "$bin/first_picture.so" "$game/tamberlo-adventure"; do
  [[ -e "$f" ]] || { echo "build first: ./test ($f is missing)" >&2; exit 2; }
done

n=${BENCH_DISPLAY:-99}
while [[ -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=":$n"
for _ in $(seq 1 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
cd "$game"
title="Tamberlo Adventure - A Tamberlo Production"
# "dummy" plays everything through the synthesizer into nothing; "none" opens no sound at all.
sound=(dummy none)

# The real binary: SECONDS on the intro, click play, SECONDS of play holding an arrow. Prints
# "intro% play% VmHWM_KiB".
real_game() {
  local audio=$1; shift
  SDL_AUDIODRIVER=$audio ./tamberlo-adventure "$@" >/dev/null 2>&1 &
  local pid=$! window intro play hwm
  window=$(timeout 20 xdotool search --sync --name "$title" | head -1)
  sleep 1
  intro=$(cpu_over "$pid")
  xdotool mousemove --window "$window" 80 550; sleep 0.3; xdotool mousedown 1; sleep 0.3
  xdotool mouseup 1; sleep 1
  xdotool keydown --window "$window" Right
  play=$(cpu_over "$pid")
  xdotool keyup --window "$window" Right
  hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  xdotool key --window "$window" Escape
  wait "$pid" || true
  while xdotool search --name "$title" >/dev/null 2>&1; do sleep 0.2; done
  echo "$intro $play $hwm"
}

# CPU % of a core that process PID uses over the next $secs seconds.
cpu_over() {
  local b e s t
  b=$(awk '{print $14 + $15}' "/proc/$1/stat"); s=$(date +%s.%N)
  sleep "$secs"
  e=$(awk '{print $14 + $15}' "/proc/$1/stat"); t=$(date +%s.%N)
  awk -v b="$b" -v e="$e" -v s="$s" -v t="$t" -v hz="$(getconf CLK_TCK)" \
    'BEGIN { printf "%.2f", 100 * (e - b) / hz / (t - s) }'
}

echo "== CPU % of a core, ${secs} s each (whole process; in-process screens also give the game's own thread)"
printf '%-44s %18s %18s\n' "" "with sound" "without sound"
declare -A real
for a in "${sound[@]}"; do real[$a]=$(real_game "$a" 2>/dev/null); done
real[record]=$(real_game dummy --record "$bin/run.demo" 2>/dev/null)
screen() { SDL_AUDIODRIVER=$2 "$bin/screen_bench" "$1" "$secs" 2>/dev/null | awk '{printf "%6.2f (game %5.2f)", $2, $3}'; }
row() { printf '%-44s %18s %18s\n' "$1" "$2" "$3"; }
row "baseline: music alone, no drawing" "$(screen music dummy)" "$(screen music none)"
row "baseline: maze-only loop, present every 28 ms" "$(screen maze dummy)" "$(screen maze none)"
row "real binary: intro menu" "$(echo "${real[dummy]}" | cut -d' ' -f1)" "$(echo "${real[none]}" | cut -d' ' -f1)"
row "real binary: play" "$(echo "${real[dummy]}" | cut -d' ' -f2)" "$(echo "${real[none]}" | cut -d' ' -f2)"
row "real binary: play with --record" "$(echo "${real[record]}" | cut -d' ' -f2)" "-"
for s in play intro controls pause tally gameover victory; do
  row "in-process: $s" "$(screen $s dummy)" "$(screen $s none)"
done

echo "== first picture after exec, ms (median of 5; goal under 300)"
first() {
  for _ in 1 2 3 4 5; do
    BENCH_EXEC_NS=$(date +%s%N) LD_PRELOAD="$bin/first_picture.so" SDL_AUDIODRIVER=$1 \
      timeout 3 ./tamberlo-adventure 2>&1 | awk '/^first picture/ {print $3}' || true
    while xdotool search --name "$title" >/dev/null 2>&1; do sleep 0.2; done
  done | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'
}
row "first picture" "$(first dummy)" "$(first none)"

echo "== music track start: the game's wait for load and play, ms (median and worst of 7)"
row "track start" "$(SDL_AUDIODRIVER=dummy "$bin/screen_bench" tracks 2>/dev/null | cut -d' ' -f2-)" "-"

echo "== peak resident memory (VmHWM), MiB"
mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
row "real binary: intro, then play" "$(mib "$(echo "${real[dummy]}" | cut -d' ' -f3)")" \
  "$(mib "$(echo "${real[none]}" | cut -d' ' -f3)")"
if [[ -f "$demo" ]]; then
  kib=$(/usr/bin/time -f '%M' ./tamberlo-adventure --replay "$demo" 2>&1 >/dev/null | tail -1)
  row "replayed whole game (every track loaded)" "$(mib "$kib")" "-"
fi

echo "== frame work per frame (everything but the wait), headless"
if [[ -f "$demo" ]]; then
  SDL_AUDIODRIVER=dummy "$bin/frame_bench" replay "$demo" 2>/dev/null
else
  echo "no demo at $demo: run ctest -R autopilot, or give DEMO=FILE"
fi
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$bin/frame_bench" cost 2000 2>/dev/null
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$bin/frame_bench" cost 2000 "$bin/cost.demo" 2>/dev/null
