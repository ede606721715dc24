#!/usr/bin/env bash
# cmake --install into a fresh prefix: the installed command starts the game from any directory
# (its window, its title, F11 changes nothing it should not, Escape ends it with status 0), and
# the menu entry and the AppStream metainfo pass their validators.
source "$(dirname "$0")/lib.sh"
build=$(dirname "$game_dir")
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.out" 2>&1 || fail "cmake --install"
for file in games/tamberlo-adventure share/applications/tamberlo-adventure.desktop \
  share/metainfo/org.tamberlo.TamberloAdventure.metainfo.xml share/man/man6/tamberlo-adventure.6.gz \
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
appstreamcli validate --no-net "$prefix/share/metainfo/org.tamberlo.TamberloAdventure.metainfo.xml" \
  >"$work/appstream.out" 2>&1 || fail "appstreamcli validate: $(cat "$work/appstream.out")"

# Started by name from an empty directory elsewhere, as a menu entry or a shell would.
mkdir "$work/elsewhere"
game_cwd=$work/elsewhere
game_command=tamberlo-adventure
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
echo "PASS: installed command runs from another directory; desktop entry and metainfo validate"
