#!/usr/bin/env bash
# The real binary opens its 800x600 window with its title and ends with status 0 on Escape.
source "$(dirname "$0")/lib.sh"
make_run_dir
start_xvfb
start_game
find_window
geometry=$(xdotool getwindowgeometry "$window")
grep -q "Geometry: 800x600" <<<"$geometry" || fail "window geometry: $geometry"
name=$(xdotool getwindowname "$window")
[[ "$name" == "Tamberlo Adventure - A Tamberlo Production" ]] || fail "window title: $name"
sleep 1
shot "$window" intro
colours=$(/usr/bin/convert "$shots/intro.png" -format %k info:)
(( colours > 50 )) || fail "the intro screen shows only $colours colours"
xdotool key --window "$window" Escape
wait_game
[[ "$game_status" == 0 ]] || fail "exit status $game_status after Escape"

# The same binary on sdl12-compat opens the same window and quits the same way.
compat=/usr/lib/x86_64-linux-gnu/sdl12-compat
start_game LD_LIBRARY_PATH=$compat
find_window
grep -q "Geometry: 800x600" <<<"$(xdotool getwindowgeometry "$window")" || fail "sdl12-compat geometry"
sleep 1
shot "$window" intro-sdl12-compat
xdotool key --window "$window" Escape
wait_game
[[ "$game_status" == 0 ]] || fail "sdl12-compat: exit status $game_status after Escape"
echo "PASS: window, title, intro picture, Escape ends with status 0, on SDL 1.2 and sdl12-compat"
