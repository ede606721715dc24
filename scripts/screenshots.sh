#!/usr/bin/env bash
# Takes the README's screenshots by playing the real game under Xvfb with xdotool: the intro,
# level 1 in play, a tally and the victory screen. The tally and victory come from a run on five
# short corridor levels that holding Right clears.
#   scripts/screenshots.sh [BUILD_DIR [OUT_DIR]]   (defaults: build/, docs/)
# TAMBERLO_XVFB_DISPLAYS="171 172" picks the Xvfb display numbers it may use.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
out=${2:-$root/docs}
set -- "$build/game/tamberlo-adventure" "$build/game" "$out"
source "$root/tests/e2e/lib.sh"

# The one-dot test level with its whole row 9 laid with dots up to the wall.
write_corridor_level() {
  write_one_dot_level "$1"
  awk 'NR == 10 { for (c = 8; c <= 23; ++c) $c = 17 } { print }' "$1" >"$1.new"
  mv "$1.new" "$1"
}

make_run_dir
start_xvfb
start_game SDL_AUDIODRIVER=dummy
find_window
xdotool mousemove --window "$window" 400 100
sleep 2.5
xdotool mousemove --window "$window" 150 480
sleep 0.5
shot "$window" intro
click_at "$window" 80 550
sleep 1
for key in Up Left Up; do
  xdotool keydown --window "$window" "$key"
  sleep 1.2
  xdotool keyup --window "$window" "$key"
done
shot "$window" play
xdotool key --window "$window" Escape
wait_game

for n in 1 2 3 4 5; do write_corridor_level "$work/game/level$n.txt"; done
start_game SDL_AUDIODRIVER=dummy
find_window
sleep 0.5
click_at "$window" 80 550
xdotool keydown --window "$window" Right
sleep 4
shot "$window" tally
# Four tallies of 15 s each, then the victory screen: its red title tells it is up.
red=0
for _ in $(seq 1 60); do
  sleep 2
  shot "$window" victory
  red=$(/usr/bin/convert "$shots/victory.png" -fill black +opaque 'rgb(255,0,0)' \
    -format '%[fx:int(mean*w*h*3)]' info:)
  (( red > 100 )) && break
done
(( red > 100 )) || fail "the victory screen did not show"
sleep 2
shot "$window" victory
xdotool keyup --window "$window" Right
xdotool key --window "$window" Escape
wait_game
echo "Screenshots in $out: intro.png play.png tally.png victory.png"
