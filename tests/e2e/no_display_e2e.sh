#!/usr/bin/env bash
# Without a display the game says why on standard output and ends with status 1, instead of
# drawing into the terminal or into nothing.
source "$(dirname "$0")/lib.sh"
make_run_dir
check_refused() {
  local label=$1
  shift
  local status=0
  (cd "$work/game" && env "$@" timeout 20 ./tamberlo-adventure >"$work/out.txt" 2>"$work/err.txt") || status=$?
  [[ "$status" == 1 ]] || fail "$label: exit status $status, expected 1"
  grep -Eq '^Unable to (init SDL|set 800x600 video): .+' "$work/out.txt" ||
    fail "$label: standard output was: $(cat "$work/out.txt")"
  grep -q $'\e\[' "$work/out.txt" && fail "$label: terminal escape codes were written"
  echo "ok: $label: $(head -1 "$work/out.txt")"
}
check_refused "no DISPLAY" -u DISPLAY -u SDL_VIDEODRIVER TERM=xterm
check_refused "no DISPLAY and no TERM" -u DISPLAY -u SDL_VIDEODRIVER -u TERM
check_refused "DISPLAY naming no server" -u SDL_VIDEODRIVER DISPLAY=:250
# The same on sdl12-compat, the SDL 1.2 interface over SDL 2 that newer systems ship.
compat=/usr/lib/x86_64-linux-gnu/sdl12-compat
[[ -e $compat/libSDL-1.2.so.0 ]] || fail "sdl12-compat is not installed"
check_refused "sdl12-compat, no DISPLAY" -u DISPLAY -u SDL_VIDEODRIVER LD_LIBRARY_PATH=$compat
check_refused "sdl12-compat, no DISPLAY and no TERM" -u DISPLAY -u SDL_VIDEODRIVER -u TERM LD_LIBRARY_PATH=$compat
check_refused "sdl12-compat, DISPLAY naming no server" -u SDL_VIDEODRIVER DISPLAY=:250 LD_LIBRARY_PATH=$compat
echo "PASS: no display is refused with status 1 on the classic library and on sdl12-compat"
