#!/usr/bin/env bash
# A real game recorded under Xvfb with real input (--record) replays into the very same state:
# headless without a display and faster than it was played, and with --realtime in a window at
# the recorded pace.
source "$(dirname "$0")/lib.sh"
make_run_dir
start_xvfb
demo=$work/game.demo

game_args=(--record "$demo")
start_game SDL_AUDIODRIVER=dummy
find_window
sleep 1
click_at "$window" 80 550
sleep 1
# A give-up spins for 85 frames (2.4 s) before the life is lost.
xdotool key --window "$window" k
sleep 3
xdotool keydown --window "$window" Right
sleep 0.8
xdotool keyup --window "$window" Right
xdotool key --window "$window" z
sleep 0.3
xdotool key --window "$window" space
sleep 0.3
xdotool key --window "$window" p
sleep 0.5
xdotool key --window "$window" p
sleep 0.3
xdotool key --window "$window" Escape
wait_game
[[ "$game_status" == 0 ]] || fail "recording: exit status $game_status"
record=$(grep '^record: ' "$work/game.out") || fail "the recording printed no record line"
[[ "$record" =~ level=1\ score=([0-9]+)\ lives=2 ]] && ((BASH_REMATCH[1] > 0)) ||
  fail "the recorded game did not eat and give up a life: $record"

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
