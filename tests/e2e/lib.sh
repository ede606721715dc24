# Shared helpers for the end-to-end checks: a private Xvfb display, the real game binary in a
# copy of its run directory, real input through xdotool and screenshots through ImageMagick.
# Each check script sources this file and is called as: SCRIPT BINARY GAME_DIR SCREENSHOT_DIR.
set -euo pipefail

binary=$1
game_dir=$2
shots=$3
mkdir -p "$shots"
work=$(mktemp -d /tmp/tamberlo-e2e.XXXXXX)
xvfb_pid=""
game_pid=""
import=/usr/bin/import
compare=/usr/bin/compare

cleanup() {
  [[ -n "$game_pid" ]] && kill "$game_pid" 2>/dev/null || true
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  for log in "$work"/*.out "$work"/*.err; do
    [[ -f "$log" ]] && { echo "--- $log"; tail -20 "$log"; } >&2
  done
  exit 1
}

# Copies the run directory so a check may change its data without touching the build.
make_run_dir() {
  cp -r "$game_dir" "$work/game"
  cp "$binary" "$work/game/tamberlo-adventure"
}

start_xvfb() {
  local n
  for n in ${TAMBERLO_XVFB_DISPLAYS:-$(seq 90 140)}; do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    Xvfb ":$n" -noreset -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.out" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
      if xdpyinfo >/dev/null 2>&1; then return 0; fi
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
  fail "could not start Xvfb"
}

# Starts the game in the run directory copy with any extra environment given as arguments,
# and the command-line options in game_args. A check may set game_cwd and game_command to
# start another copy of the game from elsewhere.
game_env=()
game_args=()
game_cwd=""
game_command=./tamberlo-adventure
start_game() {
  game_env=("$@")
  (cd "${game_cwd:-$work/game}" && exec env "$@" "$game_command" "${game_args[@]}" >"$work/game.out" 2>"$work/game.err") &
  game_pid=$!
}

# Leaves the game window's id in window. Opening a fresh Xvfb display has been seen to fail once in many
# runs right after the server started, so a game that could not open it is started once more.
window=""
find_window() {
  local id attempt
  for attempt in 1 2; do
    id=$(timeout 20 xdotool search --sync --name "Tamberlo Adventure - A Tamberlo Production" | head -1) || true
    if [[ -n "$id" ]]; then
      window=$id
      return 0
    fi
    if [[ $attempt == 1 ]] && ! kill -0 "$game_pid" 2>/dev/null && grep -q '^Unable to' "$work/game.out"; then
      start_game "${game_env[@]}"
      continue
    fi
    break
  done
  fail "the game window did not appear"
}

# Waits for the game to end and leaves its exit status in game_status.
game_status=""
wait_game() {
  for _ in $(seq 1 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$game_pid" 2>/dev/null && fail "the game did not end"
  game_status=0
  wait "$game_pid" || game_status=$?
  game_pid=""
}

shot() {
  local window=$1 name=$2
  "$import" -window "$window" "$shots/$name.png" || fail "screenshot $name"
}

# Number of pixels that differ between two screenshots (optionally within a crop WxH+X+Y).
pixels_differ() {
  local a=$1 b=$2 crop=${3:-}
  if [[ -n "$crop" ]]; then
    /usr/bin/convert "$a" -crop "$crop" +repage "$work/a.png"
    /usr/bin/convert "$b" -crop "$crop" +repage "$work/b.png"
    a="$work/a.png"
    b="$work/b.png"
  fi
  "$compare" -metric AE "$a" "$b" null: 2>&1 || true
}

# Holds the left button over a point of the window long enough for a menu pass to see it.
click_at() {
  local window=$1 x=$2 y=$3
  xdotool mousemove --window "$window" "$x" "$y"
  sleep 0.3
  xdotool mousedown 1
  sleep 0.3
  xdotool mouseup 1
}

# RMS amplitude of a stretch of raw captured audio (44.1 kHz, 16-bit, stereo), from byte
# offset $2 for $3 bytes of file $1.
audio_rms() {
  local file=$1 offset=$2 length=$3
  tail -c +"$((offset + 1))" "$file" | head -c "$length" >"$work/segment.raw"
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/segment.raw" -n stat 2>&1 |
    awk '/RMS +amplitude/ { print $3 }'
}
