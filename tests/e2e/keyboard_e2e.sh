#!/usr/bin/env bash
# The keyboard alone, with real key presses and the pointer left where it starts: C opens the
# controls page from the intro, Enter there starts level 1 with its status line, Space on the
# intro of a second game starts it too, and Escape ends each with status 0.
source "$(dirname "$0")/lib.sh"
make_run_dir
start_xvfb

start_game SDL_AUDIODRIVER=dummy
find_window
sleep 1
shot "$window" keys-intro
xdotool key --window "$window" c
sleep 0.8
shot "$window" keys-controls
# Above its button the window shows the controls page's own picture, pixel for pixel.
/usr/bin/convert "$work/game/images/options.png" -crop 800x480+0+0 +repage "$work/page.png"
/usr/bin/convert "$shots/keys-controls.png" -crop 800x480+0+0 +repage "$work/shown.png"
differ=$(pixels_differ "$work/page.png" "$work/shown.png")
((differ == 0)) || fail "C did not open the controls page ($differ pixels differ from it)"
xdotool key --window "$window" Return
sleep 1
shot "$window" keys-level
white=$(/usr/bin/convert "$shots/keys-level.png" -crop 800x32+0+0 +repage -fill black +opaque white \
  -format '%[fx:int(mean*w*h)]' info:)
((white > 200)) || fail "Enter on the controls page did not start level 1 ($white white pixels)"
xdotool key --window "$window" Escape
wait_game
[[ "$game_status" == 0 ]] || fail "exit status $game_status"

start_game SDL_AUDIODRIVER=dummy
find_window
sleep 1
xdotool key --window "$window" space
sleep 1
shot "$window" keys-space
white=$(/usr/bin/convert "$shots/keys-space.png" -crop 800x32+0+0 +repage -fill black +opaque white \
  -format '%[fx:int(mean*w*h)]' info:)
((white > 200)) || fail "Space on the intro did not start level 1 ($white white pixels)"
xdotool key --window "$window" Escape
wait_game
[[ "$game_status" == 0 ]] || fail "exit status $game_status"
echo "PASS: C opens the controls page, Enter plays from it, Space plays from the intro"
