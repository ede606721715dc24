#!/usr/bin/env bash
# Builds the game's web site into build-web/site/: the page, the game compiled to WebAssembly
# with its data, the two fonts and the icon. Any static web server can serve the folder.
#   web-site.sh            installs the missing Debian packages of web-packages.txt, builds the
#                          desktop game with setup.sh for its data, then the site
#   web-site.sh GAME_DIR   the same from the run directory of a desktop build already made
# Steps whose inputs did not change are skipped: the music is rendered again only for a changed
# MIDI file, and the game is linked again only when its data changed.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$root/build-web
game=${1:-}
data=$out/data
wasm=$out/wasm

"$root/scripts/install-packages.sh" "$root/scripts/web-packages.txt" --with-npm

if [[ -z "$game" ]]; then
  "$root/scripts/setup.sh"
  game=$root/build/game
fi
game=$(cd "$game" && pwd)

# The data: the desktop run directory's files without the program, and the music as Ogg Vorbis
# (the browser cannot play MIDI) instead of MIDI. A file is copied only when its bytes changed,
# so an unchanged file keeps its time and the data's list below shows real changes only.
mkdir -p "$data/sounds/music" "$out/music"
(cd "$game" && find -L . -type f ! -name tamberlo-adventure ! -path './sounds/music/*.mid') |
  while read -r file; do
    if ! cmp -s "$game/$file" "$data/$file"; then
      mkdir -p "$(dirname "$data/$file")"
      cp -L "$game/$file" "$data/$file"
    fi
  done
(cd "$data" && find . -type f ! -path './sounds/music/*.ogg') | while read -r file; do
  [[ -e "$game/$file" ]] || rm -f "$data/$file"
done

# Each track is rendered with the desktop's soundfont, then encoded at Vorbis quality 1 (about
# 64 kbit/s, a third of fluidsynth's own Ogg output) to keep the whole site small.
soundfont=/usr/share/sounds/sf2/TimGM6mb.sf2
music_settings="fluidsynth 44100 $soundfont; sox -C 1"
if [[ "$(cat "$out/music/settings" 2>/dev/null)" != "$music_settings" ]]; then
  rm -f "$out/music/"*.mid
  echo "$music_settings" >"$out/music/settings"
fi
for midi in "$game/sounds/music/"*.mid; do
  name=$(basename "$midi" .mid)
  ogg=$data/sounds/music/$name.ogg
  if [[ -s "$ogg" ]] && cmp -s "$midi" "$out/music/$name.mid"; then continue; fi
  echo "Rendering the music: $name"
  fluidsynth -ni -q -T wav -F "$out/music/$name.wav" -r 44100 "$soundfont" "$midi" >/dev/null
  sox "$out/music/$name.wav" -C 1 "$ogg.tmp.ogg"
  mv "$ogg.tmp.ogg" "$ogg"
  rm "$out/music/$name.wav"
  cp "$midi" "$out/music/$name.mid"
done

# The game, linked again when the data it packs changed (the link alone reads the data).
export NODE_PATH=/usr/share/nodejs
manifest=$(cd "$data" && find . -type f -printf '%P %s %T@\n' | sort)
if [[ "$manifest" != "$(cat "$wasm/data-manifest.txt" 2>/dev/null)" ]]; then
  rm -f "$wasm/tamberlo-adventure.js"
fi
if [[ ! -f "$wasm/CMakeCache.txt" ]]; then
  emcmake cmake -S "$root" -B "$wasm" -DTAMBERLO_WEB_DATA="$data" -DCMAKE_BUILD_TYPE=Release \
    -DTAMBERLO_WERROR=ON
fi
cmake --build "$wasm" -j2
echo "$manifest" >"$wasm/data-manifest.txt"

# The site: the page and exactly what it loads.
site=$out/site
rm -rf "$site.new"
mkdir -p "$site.new"
cp "$root/web/index.html" "$root/web/"{page,touch}.{js,css} "$site.new/"
cp "$wasm"/tamberlo-adventure.{js,wasm,data} "$site.new/"
for font in actionj.ttf indigo.ttf; do
  # The page's copy of a font: named without a space, which browsers refuse.
  python3 "$root/scripts/web-font.py" "$game/$font" "$site.new/$font"
done
/usr/bin/convert "$game/images/misc/icon.bmp" "$site.new/icon.png"
rm -rf "$site"
mv "$site.new" "$site"
echo "The site is in $site ($(du -sb "$site" | cut -f1) bytes)"
