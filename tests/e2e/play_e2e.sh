#!/usr/bin/env bash
# A short session with real input: the intro follows the pointer, a click opens the controls
# page and Enter there starts level 1 with its status line, the arrows move the player, P pauses
# and resumes, so does a focus loss, K costs a life, Escape ends with status 0; the intro music
# and the level music are audible. The session is recorded (--record) and replays into the very same state: headless without a display and
# faster than it was played, and with --realtime in a window at the recorded pace.
source "$(dirname "$0")/lib.sh"
make_run_dir
start_xvfb
demo=$work/game.demo
game_args=(--record "$demo")
start_game SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$work/audio.raw" SDL_DISKAUDIODELAY=23
find_window

xdotool mousemove --window "$window" 400 100
sleep 1
shot "$window" intro-idle
xdotool mousemove --window "$window" 100 450
sleep 0.5
shot "$window" intro-play-zone
xdotool mousemove --window "$window" 500 450
sleep 0.5
shot "$window" intro-controls-zone
# Each zone lights up when the pointer is in it. The figures run along the bottom of the window
# on their first lap, below the part compared here.
changed=$(pixels_differ "$shots/intro-idle.png" "$shots/intro-play-zone.png" 280x90+10+410)
(( changed > 1000 )) || fail "the intro did not react to the pointer in the play zone ($changed)"
changed=$(pixels_differ "$shots/intro-play-zone.png" "$shots/intro-controls-zone.png" 480x90+310+410)
(( changed > 1000 )) || fail "the intro did not react to the pointer in the controls zone ($changed)"
intro_bytes=$(stat -c %s "$work/audio.raw")

click_at "$window" 695 550
sleep 1
shot "$window" controls-page
# Above its button the window shows the controls page's own picture, pixel for pixel.
differ=$(pixels_differ "$work/game/images/options.png" "$shots/controls-page.png" 800x480+0+0)
((differ == 0)) || fail "the controls page is not shown ($differ pixels differ from it)"
xdotool key --window "$window" Return
sleep 1.5
level_start_bytes=$(stat -c %s "$work/audio.raw")
shot "$window" play-start
white=$(/usr/bin/convert "$shots/play-start.png" -crop 800x32+0+0 +repage -fill black +opaque white \
  -format '%[fx:int(mean*w*h)]' info:)
(( white > 200 )) || fail "the status line is not drawn ($white white pixels)"

xdotool keydown --window "$window" Right
sleep 0.6
xdotool keyup --window "$window" Right
xdotool keydown --window "$window" Left
sleep 0.3
xdotool keyup --window "$window" Left
sleep 0.3
shot "$window" play-moved
moved=$(pixels_differ "$shots/play-start.png" "$shots/play-moved.png" 800x568+0+32)
(( moved > 300 )) || fail "the arrow keys did not move the player ($moved pixels changed)"

xdotool key --window "$window" p
sleep 0.7
shot "$window" pause
paused=$(pixels_differ "$shots/play-moved.png" "$shots/pause.png" 300x80+300+250)
(( paused > 500 )) || fail "P did not show PAUSED ($paused)"
sleep 0.5
shot "$window" pause-later
still=$(pixels_differ "$shots/pause.png" "$shots/pause-later.png" 800x568+0+32)
(( still == 0 )) || fail "the game moved while paused ($still)"
xdotool key --window "$window" p
sleep 0.7
shot "$window" resumed
resumed=$(pixels_differ "$shots/pause.png" "$shots/resumed.png" 300x80+300+250)
(( resumed > 500 )) || fail "P again did not resume ($resumed)"

# Another X client's window takes the focus: the game pauses as for P, stays paused when the
# focus comes back, and P resumes it. The recording holds the focus loss, and its replays below
# pause in the same frame or end elsewhere.
xmessage -geometry +850+650 -title tamberlo-other "another window" &
other_pid=$!
other=$(timeout 10 xdotool search --sync --name "^tamberlo-other$" | head -1)
xdotool windowfocus --sync "$other" 2>/dev/null
sleep 0.7
shot "$window" away
away=$(pixels_differ "$shots/resumed.png" "$shots/away.png" 300x80+300+250)
kill "$other_pid"
(( away > 500 )) || fail "a focus loss did not show PAUSED ($away)"
xdotool windowfocus --sync "$window" 2>/dev/null
sleep 0.5
shot "$window" back
(( $(pixels_differ "$shots/away.png" "$shots/back.png" 800x568+0+32) == 0 )) ||
  fail "the game moved after losing the focus or when it came back"
xdotool key --window "$window" p
sleep 0.7
shot "$window" resumed
(( $(pixels_differ "$shots/back.png" "$shots/resumed.png" 300x80+300+250) > 500 )) ||
  fail "P did not resume after the focus loss"

# The give-up spin lasts 85 frames (2.4 s at full speed); wait up to 10 s for the lives to drop.
lives_digit() { /usr/bin/convert "$1" -crop 30x32+438+0 +repage -format %# info:; }
lives_before=$(lives_digit "$shots/resumed.png")
xdotool key --window "$window" k
lives_after=$lives_before
for _ in $(seq 1 20); do
  sleep 0.5
  shot "$window" after-give-up
  lives_after=$(lives_digit "$shots/after-give-up.png")
  [[ "$lives_before" != "$lives_after" ]] && break
done
[[ "$lives_before" != "$lives_after" ]] || fail "K did not cost a life (lives digit unchanged)"

xdotool key --window "$window" Escape
wait_game
[[ "$game_status" == 0 ]] || fail "exit status $game_status"

end_bytes=$(stat -c %s "$work/audio.raw")
intro_rms=$(audio_rms "$work/audio.raw" 0 "$intro_bytes")
level_rms=$(audio_rms "$work/audio.raw" "$level_start_bytes" $((end_bytes - level_start_bytes)))
awk -v r="$intro_rms" 'BEGIN { exit !(r > 0.005) }' || fail "the intro music is silent (RMS $intro_rms)"
awk -v r="$level_rms" 'BEGIN { exit !(r > 0.005) }' || fail "the level music is silent (RMS $level_rms)"
echo "PASS: intro reacts, controls page, level 1 with status line, arrows move, pause, focus loss pauses, give-up, Escape; audio RMS intro $intro_rms, level $level_rms"

record=$(grep '^record: ' "$work/game.out") || fail "the recording printed no record line"
[[ "$record" =~ level=1\ score=[0-9]+\ lives=2 ]] || fail "the recorded game did not give up a life: $record"

# The clock span of the recording: the sum of the clock steps after the first reading.
span_ms=$(tr ' ' '\n' <"$demo" | awk -F'*' '/^t[0-9]/ { d = substr($1, 2); n = ($2 == "" ? 1 : $2)
  if (!seen) { seen = 1; d = 0 } total += d * n } END { print total }')
((span_ms > 3000)) || fail "the recording spans only $span_ms ms"

start=$(date +%s%N)
replay=$(cd "$work/game" && env -u DISPLAY ./tamberlo-adventure --replay "$demo" 2>"$work/replay.err") ||
  fail "headless replay failed: $(cat "$work/replay.err")"
headless_ms=$((($(date +%s%N) - start) / 1000000))
[[ "${replay#replay: }" == "${record#record: }" ]] || fail "replay '$replay' after record '$record'"
((headless_ms < span_ms / 2)) || fail "the headless replay took $headless_ms ms for $span_ms ms of play"

game_args=(--replay "$demo" --realtime)
start=$(date +%s%N)
start_game SDL_AUDIODRIVER=dummy
find_window
# The replay lasts as long as the game did: give it up to 30 s before wait_game's own 10 s.
for _ in $(seq 1 300); do
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
wait_game
realtime_ms=$((($(date +%s%N) - start) / 1000000))
[[ "$game_status" == 0 ]] || fail "realtime replay: exit status $game_status"
[[ "$(cat "$work/game.out")" == "$replay" ]] || fail "realtime replay printed '$(cat "$work/game.out")'"
((realtime_ms >= span_ms * 9 / 10)) || fail "the realtime replay took $realtime_ms ms for $span_ms ms"
echo "PASS: $record; headless replay in $headless_ms ms, in a window in $realtime_ms ms, of $span_ms ms played"
