#!/usr/bin/env bash
# cmake --install into a fresh prefix: the installed command starts the game from any directory
# (its window, its title, F11 changes nothing it should not, Escape ends it with status 0), a
# demo recorded and replayed by a relative name lands where the command was started, and the
# menu entry and the AppStream metainfo pass their validators.
source "$(dirname "$0")/lib.sh"
build=$(dirname "$game_dir")
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.out" 2>&1 || fail "cmake --install"
for file in games/tamberlo-adventure share/applications/tamberlo-adventure.desktop \
  share/metainfo/org.tamberlo.tamberlo_adventure.metainfo.xml share/man/man6/tamberlo-adventure.6.gz \
  share/icons/hicolor/256x256/apps/tamberlo-adventure.png share/doc/tamberlo-adventure/copyright \
  share/doc/tamberlo-adventure/changelog.gz share/games/tamberlo-adventure/level5.txt; do
  [[ -e "$prefix/$file" ]] || fail "not installed: $file"
done
# The fonts are relative links (the Debian package's stay inside /usr) that reach the font files
# from this scratch prefix too.
for font in actionj.ttf indigo.ttf; do
  link=$(readlink "$prefix/share/games/tamberlo-adventure/$font") || fail "$font is not a link"
  [[ "$link" != /* ]] || fail "$font links to an absolute path: $link"
  [[ -e "$prefix/share/games/tamberlo-adventure/$font" ]] || fail "$font links to nothing: $link"
done
desktop-file-validate "$prefix/share/applications/tamberlo-adventure.desktop" ||
  fail "desktop-file-validate"
# Pedantic, and nothing above information: the AppStream 0.16 of Debian 12 knows no <developer>
# yet (newer ones ask for it), which it only mentions.
appstreamcli validate --pedantic --no-net \
  "$prefix/share/metainfo/org.tamberlo.tamberlo_adventure.metainfo.xml" >"$work/appstream.out" 2>&1 ||
  fail "appstreamcli validate: $(cat "$work/appstream.out")"
if grep -E '^[EWP]: ' "$work/appstream.out"; then
  fail "appstreamcli validate --pedantic: $(cat "$work/appstream.out")"
fi

# Started by name from an empty directory elsewhere, as a menu entry or a shell would, recording
# into that directory: the player's files are named from where the command was started.
mkdir "$work/elsewhere"
game_cwd=$work/elsewhere
game_command=tamberlo-adventure
game_args=(--record mine.demo)
export PATH="$prefix/games:$PATH"
start_xvfb
start_game SDL_AUDIODRIVER=dummy
find_window
[[ "$(xdotool getwindowname "$window")" == "Tamberlo Adventure - A Tamberlo Production" ]] ||
  fail "window title"
sleep 1
xdotool key --window "$window" F11
sleep 0.5
kill -0 "$game_pid" 2>/dev/null || fail "the game ended on F11"
xdotool key --window "$window" F11
sleep 0.5
shot "$window" installed-intro
colours=$(/usr/bin/convert "$shots/installed-intro.png" -format %k info:)
(( colours > 50 )) || fail "the installed game shows only $colours colours: data not found?"
xdotool key --window "$window" Escape
wait_game
[[ "$game_status" == 0 ]] || fail "exit status $game_status after Escape"
[[ ! -s "$work/game.err" ]] || fail "the installed game reported: $(cat "$work/game.err")"
[[ -s "$work/elsewhere/mine.demo" ]] || fail "--record mine.demo wrote no demo where it was started"
recorded=$(grep '^record:' "$work/game.out") || fail "no record: line"
replayed=$(cd "$work/elsewhere" && tamberlo-adventure --replay mine.demo 2>"$work/replay.err") ||
  fail "--replay mine.demo from where it was recorded: $(cat "$work/replay.err")"
[[ "${replayed#replay:}" == "${recorded#record:}" ]] ||
  fail "the replay ends in '$replayed', the game in '$recorded'"
echo "PASS: installed command runs from another directory and records there; desktop entry and metainfo validate"
