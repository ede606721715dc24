#!/usr/bin/env bash
# The whole round with real input on five one-dot levels: every level is cleared by holding
# Right, the tally shows between levels and the victory screen after the fifth; then game over
# and continue on the shipped level 1.
source "$(dirname "$0")/lib.sh"
make_run_dir
for n in 1 2 3 4 5; do write_one_dot_level "$work/game/level$n.txt"; done
start_xvfb
start_game SDL_AUDIODRIVER=dummy
find_window
sleep 0.5
click_at "$window" 80 550
xdotool keydown --window "$window" Right
sleep 3
shot "$window" tally
# Four tallies of 15 s each, then the victory screen with its red, blue and white texts.
red_pixels() { /usr/bin/convert "$1" -fill black +opaque 'rgb(255,0,0)' -format '%[fx:int(mean*w*h*3)]' info:; }
red=0
for _ in $(seq 1 60); do
  sleep 2
  shot "$window" victory
  red=$(red_pixels "$shots/victory.png")
  (( red > 100 )) && break
done
sleep 2
shot "$window" victory
xdotool keyup --window "$window" Right
kill -0 "$game_pid" 2>/dev/null || fail "the game ended before the victory screen was left"
xdotool key --window "$window" Escape
wait_game
[[ "$game_status" == 0 ]] || fail "exit status $game_status after the victory screen"
tally_colours=$(/usr/bin/convert "$shots/tally.png" -format %k info:)
victory_colours=$(/usr/bin/convert "$shots/victory.png" -format %k info:)
(( tally_colours > 20 && victory_colours > 20 )) || fail "tally or victory screen looks empty"
# The victory texts are red, blue and white over the board.
red=$(red_pixels "$shots/victory.png")
(( red > 100 )) || fail "no red victory text ($red)"

# Game over on the real level 1: three lives given up with K, then continue.
make_run_dir_fresh() { rm -rf "$work/game"; make_run_dir; }
make_run_dir_fresh
start_game SDL_AUDIODRIVER=dummy
find_window
sleep 0.5
click_at "$window" 80 550
sleep 1
# Each give-up spins for 85 frames (2.4 s at full speed) before the next K can act.
for _ in 1 2 3; do
  xdotool key --window "$window" k
  sleep 4.5
done
shot "$window" game-over
click_at "$window" 375 525
sleep 1.2
shot "$window" continued
over=$(pixels_differ "$shots/game-over.png" "$shots/continued.png")
(( over > 10000 )) || fail "continue did not restart the level ($over)"
xdotool key --window "$window" Escape
wait_game
[[ "$game_status" == 0 ]] || fail "exit status $game_status after continue"
echo "PASS: five levels with tallies, victory, game over and continue"
