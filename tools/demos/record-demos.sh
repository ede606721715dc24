#!/usr/bin/env bash
# Records the regression demos anew by playing the real game under Xvfb with xdotool, then
# writes expected.txt from their replays. Needed after a change of the level files or of the
# order in which the game reads its input; each demo takes a few seconds of real play.
# Usage: tools/demos/record-demos.sh [BUILD_DIR]   (BUILD_DIR defaults to build/)
set -euo pipefail
here=$(cd "$(dirname "$0")/../../tests/demos" && pwd)
build=$(realpath "${1:-$here/../../build}")
title="Tamberlo Adventure - A Tamberlo Production"

for n in $(seq 140 160); do
  [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
  Xvfb ":$n" -noreset -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  export DISPLAY=":$n"
  break
done
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

k() { xdotool key --window "$w" "$@"; }
hold() { xdotool keydown --window "$w" "$1"; sleep "$2"; xdotool keyup --window "$w" "$1"; }
move() { xdotool mousemove --window "$w" "$1" "$2"; }
click() { move "$1" "$2"; sleep 0.3; xdotool mousedown 1; sleep 0.3; xdotool mouseup 1; }

# record NAME: starts the game recording into NAME.demo; the caller plays, then calls finish.
record() {
  demo="$here/$1.demo"
  (cd "$build/game" && SDL_AUDIODRIVER=dummy exec ./tamberlo-adventure --record "$demo") \
    >/dev/null &
  game=$!
  w=$(timeout 30 xdotool search --sync --name "$title" | head -1)
  sleep 1.5 # the intro must be drawn before the first click counts
}
finish() {
  wait "$game"
  echo "recorded $demo"
}

# The menus: the pointer over both zones, the controls page, PLAY from there; dots eaten, a
# pause and its resume, Escape.
record menu-dots-pause
move 400 100; sleep 0.5; move 100 450; sleep 0.5; move 500 450; sleep 0.5
click 695 550; sleep 1
click 375 525; sleep 1
hold Left 1.5
hold Up 0.8
k p; sleep 0.8; k p; sleep 0.3
hold Right 1.2
k Escape
finish

# A bomb picked up on level 1 (right, then up and left together: the turn is taken as soon as
# it is free), dropped, set off from a step away; two warps; Q.
record warp-and-bomb
click 80 550; sleep 1
hold Right 0.6
xdotool keydown --window "$w" Up Left; sleep 1.2; xdotool keyup --window "$w" Up Left
k space; sleep 0.3
hold Right 0.4
k space; sleep 0.6
k z; sleep 0.6
k z; sleep 0.6
hold Down 0.8
k q
finish

# Three lives given up with K, CONTINUE on the game-over screen, a short walk, Escape.
record give-up-and-continue
click 80 550; sleep 1
hold Right 0.6
k k; sleep 3
k k; sleep 3
hold Up 0.5
k k; sleep 3.2
click 375 525; sleep 1
hold Left 0.8
k Escape
finish

# Fifteen seconds of walking among the enemies: meals, crystals, catches.
record roaming
click 80 550; sleep 1
for dir in Right Up Left Up Right Down Left Down Right Up Left Down; do
  hold "$dir" 1.1
done
k q
finish

# The pad's demo is played through the in-memory platform, headless (tools/demos/pad_demo.cpp).
"$build/tools/demos/pad_demo" "$build/game" "$here/pad-play.demo" >/dev/null
echo "recorded $here/pad-play.demo"

exec bash "$(dirname "$0")/refresh-expected.sh" "$build"
