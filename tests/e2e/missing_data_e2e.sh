#!/usr/bin/env bash
# With every picture and both fonts gone the game still runs, says what is missing on standard
# error, and quits normally.
source "$(dirname "$0")/lib.sh"
make_run_dir
rm -rf "$work/game/images"/*
rm -f "$work/game/actionj.ttf" "$work/game/indigo.ttf"
start_xvfb
start_game
find_window
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the game died without its data"
# Start the level through the (invisible) play button and let a few frames run.
click_at "$window" 80 550
sleep 1
kill -0 "$game_pid" 2>/dev/null || fail "the game died when the level started"
xdotool key --window "$window" Escape
wait_game
[[ "$game_status" == 0 ]] || fail "exit status $game_status"
err="$work/game.err"
grep -q 'cannot load image "images/walls/wallhorz1a.bmp"' "$err" || fail "missing wall piece not reported"
grep -q 'cannot load image "images/introbg.png"' "$err" || fail "missing intro picture not reported"
grep -q 'cannot load image "images/player/N0.bmp"' "$err" || fail "missing sprite not reported"
grep -q 'cannot load font "actionj.ttf"' "$err" || fail "missing font not reported"
grep -q 'cannot load font "indigo.ttf"' "$err" || fail "missing large font not reported"
repeats=$(grep -c 'images/walls/wallhorz1a.bmp' "$err")
[[ "$repeats" == 1 ]] || fail "a missing picture was reported $repeats times"
echo "PASS: runs without pictures and fonts; $(grep -c 'cannot load' "$err") problems reported once each"
